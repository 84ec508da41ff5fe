#pragma once

#include <QPointer>
#include <QString>
#include <QWebEnginePage>

#include <functional>

class QWebEngineFullScreenRequest;
class QWebEngineNewWindowRequest;

namespace corvane {

// A pane's page: what a user expects of a browser beyond the panes' own rules. A password
// request gets a login prompt, a certificate error a clear choice, a request for a feature
// (location, camera, ...) a question whose answer holds for the run, a pop-up its own window,
// a new tab or window the same pane, full screen a window of its own, and a crashed page a
// notice over the page that offers to reload.
//
// It also reports three moments of each main-frame document that the engine has no reliable
// signal for: created, parsed and loaded. Scripts of its own, in a world the page's scripts
// cannot see, log a token at each; the token is drawn afresh for each page, so a page cannot
// forge the messages. They run whatever the page's script setting.
class CrashNotice;
class FullScreenWindow;

class BrowserPage : public QWebEnginePage {
  Q_OBJECT
 public:
  BrowserPage(QWebEngineProfile* profile, QObject* parent);

  // Asked before the main frame follows a clicked link; true takes the link away from the page,
  // which then stays where it is.
  using LinkClickFilter = std::function<bool(const QUrl& url)>;
  void setLinkClickFilter(LinkClickFilter filter) { linkClickFilter_ = std::move(filter); }

 Q_SIGNALS:
  // The main frame holds a new document: its navigation has committed. Error pages, a page
  // loaded again at the same address and source views count too.
  void mainDocumentCreated();
  // The main frame's document has been parsed; its title, if it has one, is known.
  void mainDocumentParsed();
  // The main frame's document has loaded, images and all (its load event).
  void mainDocumentLoaded();

 protected:
  QWebEnginePage* createWindow(WebWindowType type) override;
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                int lineNumber, const QString& sourceId) override;

 private:
  void onCertificateError(const QWebEngineCertificateError& error);
  void onAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator);
  void onProxyAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator,
                                     const QString& proxyHost);
  void onFeaturePermissionRequested(const QUrl& origin, Feature feature);
  void onNewWindowRequested(QWebEngineNewWindowRequest& request);
  void onFullScreenRequested(QWebEngineFullScreenRequest request);
  void onRenderProcessTerminated(RenderProcessTerminationStatus status, int exitCode);
  QWidget* dialogParent() const;
  void addDocumentMarkers();

  LinkClickFilter linkClickFilter_;
  QPointer<FullScreenWindow> fullScreen_;
  QPointer<CrashNotice> crashNotice_;

  QString createdMessage_;
  QString parsedMessage_;
  QString loadedMessage_;
};

}  // namespace corvane
