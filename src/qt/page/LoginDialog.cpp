#include "qt/page/LoginDialog.h"

#include <QAuthenticator>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

LoginDialog::LoginDialog(QWidget* parent, const QString& text)
    : QDialog(parent), user_(new QLineEdit), password_(new QLineEdit) {
  setObjectName(QStringLiteral("LoginDialog"));
  setWindowTitle(tr("Log In"));
  setMinimumWidth(fontMetrics().averageCharWidth() * 50);
  auto* form = new QFormLayout(this);
  auto* intro = new QLabel(text);
  intro->setTextFormat(Qt::PlainText);
  intro->setWordWrap(true);
  form->addRow(intro);
  user_->setObjectName(QStringLiteral("loginUser"));
  user_->setAccessibleName(tr("User name"));
  password_->setObjectName(QStringLiteral("loginPassword"));
  password_->setAccessibleName(tr("Password"));
  password_->setEchoMode(QLineEdit::Password);
  form->addRow(tr("&User name:"), user_);
  form->addRow(tr("&Password:"), password_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("Log In"));
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void LoginDialog::answer(QWidget* parent, const QString& text, QAuthenticator* authenticator) {
  LoginDialog dialog(parent, text);
  if (dialog.exec() == QDialog::Accepted) {
    authenticator->setUser(dialog.user_->text());
    authenticator->setPassword(dialog.password_->text());
  } else {
    *authenticator = QAuthenticator();  // a null authenticator cancels the request
  }
}

}  // namespace corvane
