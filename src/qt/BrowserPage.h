#pragma once

#include <QPointer>
#include <QString>
#include <QWebEnginePage>

class QWebEngineFullScreenRequest;
class QWebEngineNewWindowRequest;

namespace corvane {

// A pane's page: what a user expects of a browser beyond the panes' own rules. A password
// request gets a login prompt, a certificate error a clear choice, a request for a feature
// (location, camera, ...) a question whose answer holds for the run, a pop-up its own window,
// a new tab or window the same pane, full screen a window of its own, and a crashed page a
// notice over the page that offers to reload.
//
// Its document markers tell when each main-frame document is created, parsed and loaded.
class CrashNotice;
class DocumentMarkers;
class FullScreenWindow;

class BrowserPage : public QWebEnginePage {
  Q_OBJECT
 public:
  BrowserPage(QWebEngineProfile* profile, QObject* parent);

  DocumentMarkers* markers() const { return markers_; }

 protected:
  QWebEnginePage* createWindow(WebWindowType type) override;
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

  QPointer<FullScreenWindow> fullScreen_;
  QPointer<CrashNotice> crashNotice_;
  DocumentMarkers* markers_;
};

}  // namespace corvane
