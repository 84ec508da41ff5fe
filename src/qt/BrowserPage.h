#pragma once

#include <QString>
#include <QWebEnginePage>

namespace corvane {

// A pane's page: what a user expects of a browser beyond the panes' own rules. A password
// request gets a login prompt, a certificate error a clear choice, a pop-up its own window,
// and a crashed page offers to reload.
//
// It also reports three moments of each main-frame document that the engine has no reliable
// signal for: created, parsed and loaded. Scripts of its own, in a world the page's scripts
// cannot see, log a token at each; the token is drawn afresh for each page, so a page cannot
// forge the messages. They run whatever the page's script setting.
class BrowserPage : public QWebEnginePage {
  Q_OBJECT
 public:
  BrowserPage(QWebEngineProfile* profile, QObject* parent);

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
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                int lineNumber, const QString& sourceId) override;

 private:
  void onCertificateError(const QWebEngineCertificateError& error);
  void onAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator);
  void onRenderProcessTerminated(RenderProcessTerminationStatus status, int exitCode);
  QWidget* dialogParent() const;
  void addDocumentMarkers();

  QString createdMessage_;
  QString parsedMessage_;
  QString loadedMessage_;
};

}  // namespace corvane
