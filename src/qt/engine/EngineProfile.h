#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>
#include <vector>

#include "browser/SitePermissions.h"
#include "qt/page/PageServices.h"

class QFileInfo;
class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;

namespace corvane {

class BrowserPage;
class PageDialogChannel;
class DownloadsWindow;
struct ProgramFolders;

// The one web engine profile both panes share: cookies, cache and local storage on disk in the
// user's data and cache folders, never the off-the-record default. It also asks where each
// download goes, proposing the user's download folder and the site's file name, and shows it
// in the downloads window. It holds the user's answers by site (features, pop-ups) for the
// run and hands them to every page.
class EngineProfile : public QObject {
  Q_OBJECT
 public:
  EngineProfile(const ProgramFolders& folders, QObject* parent = nullptr);
  ~EngineProfile() override;

  QWebEngineProfile* profile() const { return profile_; }

  // Makes both panes' pages ahead of their window and starts the engine's browser side and a
  // renderer for each, so that the panes' first loads find them running. Nothing is loaded,
  // shown or fetched, and each page's history stays empty. Once only, and not once a pane has
  // taken a page.
  void startPanePages();

  // A pane's page, handed to `parent`: the next one started ahead, or a new one when none is
  // left (the top pane takes the first).
  BrowserPage* takePanePage(QObject* parent);

 private:
  void onDownloadRequested(QWebEngineDownloadRequest* download);
  // Asks where the download goes, without holding up the engine.
  void ask(QWebEngineDownloadRequest* download);
  void start(QWebEngineDownloadRequest* download, const QFileInfo& target);

  QWebEngineProfile* profile_;
  // The user's answers by site for the run, and the pages' dialogs; every page holds them.
  SitePermissions sitePermissions_;
  PageDialogChannel* dialogChannel_;
  PageServices services_;
  std::unique_ptr<DownloadsWindow> downloads_;
  // Downloads the user has chosen a file for, which their page asks for again.
  struct Chosen {
    QPointer<QWebEnginePage> page;
    QUrl url;
    QString path;
  };
  std::vector<Chosen> chosen_;
  // Started ahead and not yet taken; owned here until then.
  std::vector<BrowserPage*> panePages_;
  bool panePagesStarted_ = false;
};

}  // namespace corvane
