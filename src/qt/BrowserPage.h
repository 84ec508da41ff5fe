#pragma once

#include <QWebEnginePage>

namespace corvane {

// A pane's page: what a user expects of a browser beyond the panes' own rules. A password
// request gets a login prompt, a certificate error a clear choice, a pop-up its own window,
// and a crashed page offers to reload.
class BrowserPage : public QWebEnginePage {
  Q_OBJECT
 public:
  BrowserPage(QWebEngineProfile* profile, QObject* parent);

 protected:
  QWebEnginePage* createWindow(WebWindowType type) override;

 private:
  void onCertificateError(const QWebEngineCertificateError& error);
  void onAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator);
  void onRenderProcessTerminated(RenderProcessTerminationStatus status, int exitCode);
  QWidget* dialogParent() const;
};

}  // namespace corvane
