#pragma once

#include <QDialog>

class QAuthenticator;
class QLineEdit;

namespace corvane {

// The login prompt for a site or proxy that asks for a password: who asks, the user name and
// the password. OK answers the request with them; Cancel makes it fail.
class LoginDialog : public QDialog {
  Q_OBJECT
 public:
  // `text` says who asks (EnginePrompts::login).
  LoginDialog(QWidget* parent, const QString& text);

  // Asks; fills the authenticator with the answer, or makes it null (the request fails).
  static void answer(QWidget* parent, const QString& text, QAuthenticator* authenticator);

 private:
  QLineEdit* user_;
  QLineEdit* password_;
};

}  // namespace corvane
