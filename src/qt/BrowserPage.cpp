#include "qt/BrowserPage.h"

#include <QAuthenticator>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include "qt/PopupWindow.h"

namespace corvane {

BrowserPage::BrowserPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
  connect(this, &QWebEnginePage::certificateError, this, &BrowserPage::onCertificateError);
  connect(this, &QWebEnginePage::authenticationRequired, this,
          &BrowserPage::onAuthenticationRequired);
  connect(this, &QWebEnginePage::renderProcessTerminated, this,
          &BrowserPage::onRenderProcessTerminated);
  addDocumentMarkers();
}

void BrowserPage::addDocumentMarkers() {
  QRandomGenerator* random = QRandomGenerator::system();
  const QString token =
      QString::number(random->generate64(), 36) + QString::number(random->generate64(), 36);
  createdMessage_ = token + QStringLiteral(" created");
  parsedMessage_ = token + QStringLiteral(" parsed");
  loadedMessage_ = token + QStringLiteral(" loaded");
  // The load listener is added before any of the page's own, so the page cannot keep it from
  // hearing the event.
  const QString created =
      QStringLiteral(
          "console.log('%1');"
          "window.addEventListener('load', function () { console.log('%2'); });")
          .arg(createdMessage_, loadedMessage_);
  const QString parsed = QStringLiteral("console.log('%1');").arg(parsedMessage_);
  const struct {
    const char* name;
    QWebEngineScript::InjectionPoint point;
    const QString& source;
  } markers[] = {
      {"corvane-document-created", QWebEngineScript::DocumentCreation, created},
      {"corvane-document-parsed", QWebEngineScript::DocumentReady, parsed},
  };
  for (const auto& marker : markers) {
    QWebEngineScript script;
    script.setName(QString::fromLatin1(marker.name));
    script.setInjectionPoint(marker.point);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(marker.source);
    scripts().insert(script);
  }
}

void BrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString& message, int lineNumber,
                                           const QString& sourceId) {
  if (message == createdMessage_) {
    Q_EMIT mainDocumentCreated();
  } else if (message == parsedMessage_) {
    Q_EMIT mainDocumentParsed();
  } else if (message == loadedMessage_) {
    Q_EMIT mainDocumentLoaded();
  } else {
    QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceId);
  }
}

QWidget* BrowserPage::dialogParent() const {
  QWidget* view = QWebEngineView::forPage(this);
  return view ? view->window() : nullptr;
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType /*type*/) {
  auto* popup = new PopupWindow(profile());
  popup->show();
  return popup->page();
}

void BrowserPage::onCertificateError(const QWebEngineCertificateError& error) {
  if (!error.isOverridable()) return;  // rejected; the engine shows its error page
  QWebEngineCertificateError deferred = error;
  deferred.defer();
  const QMessageBox::StandardButton answer = QMessageBox::warning(
      dialogParent(), tr("Corvane"),
      tr("The certificate of %1 cannot be trusted:\n%2\n\nAnyone could be posing as this site. "
         "Continue to the page anyway?")
          .arg(error.url().host(), error.description()),
      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer == QMessageBox::Yes) {
    deferred.acceptCertificate();
  } else {
    deferred.rejectCertificate();
  }
}

void BrowserPage::onAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator) {
  QDialog dialog(dialogParent());
  dialog.setWindowTitle(tr("Log In"));
  auto* form = new QFormLayout(&dialog);
  auto* intro = new QLabel(tr("%1 asks for a user name and password.\nRealm: %2")
                               .arg(url.host(), authenticator->realm()));
  intro->setTextFormat(Qt::PlainText);
  form->addRow(intro);
  auto* user = new QLineEdit;
  auto* password = new QLineEdit;
  password->setEchoMode(QLineEdit::Password);
  form->addRow(tr("&User name:"), user);
  form->addRow(tr("&Password:"), password);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() == QDialog::Accepted) {
    authenticator->setUser(user->text());
    authenticator->setPassword(password->text());
  } else {
    *authenticator = QAuthenticator();  // a null authenticator cancels the request
  }
}

void BrowserPage::onRenderProcessTerminated(RenderProcessTerminationStatus status, int) {
  if (status == NormalTerminationStatus) return;
  // Ask after the engine has finished reporting the crash.
  QTimer::singleShot(0, this, [this] {
    const auto answer = QMessageBox::question(
        dialogParent(), tr("Corvane"),
        tr("The page %1 has stopped working. Reload it?").arg(url().toDisplayString()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) triggerAction(QWebEnginePage::Reload);
  });
}

}  // namespace corvane
