#include "qt/BrowserPage.h"

#include <QAuthenticator>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWebEngineCertificateError>
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
