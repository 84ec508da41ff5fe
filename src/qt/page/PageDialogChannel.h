#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWebEngineUrlSchemeHandler>

class QTimer;
class QWebEngineUrlRequestJob;

namespace corvane {

class BrowserPage;

// The way a page's alert, confirm and prompt reach its pane without holding up the rest of the
// program. The engine hands a page's dialog to the program as a call that must return the
// answer, and the engine does no other work until it has; so a script in each main-frame
// document replaces the three functions with a request that waits for its answer in the page
// alone, and this handler answers it once the user has. A page that gets around the script
// reaches the engine's call after all (BrowserPage).
//
// A request carries the key of the document that asks (DocumentMarkers); it is answered only
// for the page whose document showing holds that key, and only when it comes from that
// document's origin. Whatever a page learns of the key is worth nothing elsewhere.
class PageDialogChannel : public QWebEngineUrlSchemeHandler {
  Q_OBJECT
 public:
  explicit PageDialogChannel(QObject* parent);

  // The scheme of the requests; registered before the application starts.
  static QByteArray scheme();
  static void registerScheme();

  // The script that runs first in each main-frame document of a page, in the page's own world.
  static QString pageScript();

  // A page whose documents may ask.
  void add(BrowserPage* page);
  // A page has a new document: requests that came before its report find their page now.
  void documentCreated();

  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  // Answers the job if a page shows its document; false while no page knows the key yet.
  bool route(QWebEngineUrlRequestJob* job);
  void refuseWaiting();

  QList<QPointer<BrowserPage>> pages_;
  // Requests whose document has not reported yet; the report and the request travel apart.
  QList<QPointer<QWebEngineUrlRequestJob>> waiting_;
  QTimer* giveUp_;
};

}  // namespace corvane
