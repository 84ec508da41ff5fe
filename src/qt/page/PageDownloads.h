#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWebEnginePage>

#include "browser/DownloadGate.h"

class QWebEngineView;

namespace corvane {

class PaneNotice;

// Whether a download a page starts may go on (DownloadGate): one the user asked for does; a
// further one the page starts by itself, without the user's click or key in it, is held, and a
// strip at the foot of the pane asks first. An address the user typed that leads to a download
// is the user's own.
class PageDownloads : public QObject {
  Q_OBJECT
 public:
  explicit PageDownloads(QWebEnginePage* page);

  // The page starts a download of `url` as `file`: whether it may go on now. When the user is
  // asked first and allows it, the page starts it again.
  bool requested(const QUrl& url, const QString& file);
  // The page is about to follow a main-frame navigation of `type` to `url`.
  void navigating(const QUrl& url, QWebEnginePage::NavigationType type);
  // The page has a new document, or its renderer has ended: the user has not acted in it yet,
  // and what the document before asked to download is no longer asked.
  void documentCreated();
  // The user clicked or typed in the document showing.
  void userActed() { gate_.userActed(); }
  // The page now shows in `view`: the strip goes with it.
  void followView(QWebEngineView* view);

 private:
  QWebEnginePage* page_;
  DownloadGate gate_;
  QPointer<PaneNotice> notice_;
  QUrl pending_;
  QString pendingName_;
  // Where an address the user typed has led so far, until it shows a document: a download from
  // there is the user's.
  QUrl typed_;
};

}  // namespace corvane
