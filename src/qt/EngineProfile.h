#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;

namespace corvane {

class DownloadsWindow;
struct ProgramFolders;

// The one web engine profile both panes share: cookies, cache and local storage on disk in the
// user's data and cache folders, never the off-the-record default. It also asks where each
// download goes, proposing the user's download folder and the site's file name, and shows it
// in the downloads window.
class EngineProfile : public QObject {
  Q_OBJECT
 public:
  EngineProfile(const ProgramFolders& folders, QObject* parent = nullptr);
  ~EngineProfile() override;

  QWebEngineProfile* profile() const { return profile_; }

  // Starts the engine's browser side and runs one blank page through a renderer, so that the
  // panes' first pages find it all started. Nothing is shown and nothing is fetched. The blank
  // page goes as soon as it has loaded: each pane's page gets a renderer of its own, so keeping
  // it would only hold memory.
  void warmUp();

  // Ends the warm-up, if it is still running, and prevents a later one: the start-up is over.
  void endWarmUp();

 private:
  void onDownloadRequested(QWebEngineDownloadRequest* download);

  QWebEngineProfile* profile_;
  std::unique_ptr<DownloadsWindow> downloads_;
  // Guarded: the page may be on its way out through deleteLater().
  QPointer<QWebEnginePage> warmUpPage_;
  bool warmUpOver_ = false;
};

}  // namespace corvane
