#include "qt/page/SiteQuestions.h"

#include <QAuthenticator>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWebEngineCertificateError>

#include <string>

#include "browser/EnginePrompts.h"
#include "browser/SitePermissions.h"
#include "qt/page/LoginDialog.h"
#include "qt/page/PageOverlay.h"

namespace corvane {

namespace {

std::string featureName(QWebEnginePage::Feature feature) {
  switch (feature) {
    case QWebEnginePage::Geolocation:
      return "location";
    case QWebEnginePage::Notifications:
      return "notifications";
    case QWebEnginePage::MediaVideoCapture:
      return "camera";
    case QWebEnginePage::MediaAudioCapture:
      return "microphone";
    case QWebEnginePage::MediaAudioVideoCapture:
      return "camera and microphone";
    case QWebEnginePage::DesktopVideoCapture:
      return "screen";
    case QWebEnginePage::DesktopAudioVideoCapture:
      return "screen and sound";
    case QWebEnginePage::MouseLock:
      return "mouse";
  }
  return "a feature";
}

}  // namespace

SiteQuestions::SiteQuestions(QWebEnginePage* page, SitePermissions& permissions)
    : QObject(page), page_(page), permissions_(permissions) {
  connect(page, &QWebEnginePage::certificateError, this, &SiteQuestions::onCertificateError);
  connect(page, &QWebEnginePage::authenticationRequired, this,
          &SiteQuestions::onAuthenticationRequired);
  connect(page, &QWebEnginePage::proxyAuthenticationRequired, this,
          &SiteQuestions::onProxyAuthenticationRequired);
  connect(page, &QWebEnginePage::featurePermissionRequested, this,
          &SiteQuestions::onFeaturePermissionRequested);
}

void SiteQuestions::onCertificateError(const QWebEngineCertificateError& error) {
  if (!error.isOverridable()) return;  // rejected; the engine shows its error page
  QWebEngineCertificateError deferred = error;
  deferred.defer();
  auto* box =
      new QMessageBox(QMessageBox::Warning, tr("Certificate Error"),
                      QString::fromStdString(EnginePrompts::certificate(
                          error.url().host().toStdString(), error.description().toStdString())),
                      QMessageBox::NoButton, dialogParentOf(page_));
  box->setObjectName(QStringLiteral("CertificateError"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  QPushButton* go = box->addButton(tr("&Continue Anyway"), QMessageBox::AcceptRole);
  QPushButton* back = box->addButton(tr("&Go Back"), QMessageBox::RejectRole);
  // Refusing is what Enter and Esc do; continuing takes a deliberate click. The engine keeps
  // an accepted certificate in memory only, so the exception ends with the run.
  box->setDefaultButton(back);
  box->setEscapeButton(back);
  connect(box, &QMessageBox::finished, this, [box, go, deferred]() mutable {
    if (box->clickedButton() == go) {
      deferred.acceptCertificate();
    } else {
      deferred.rejectCertificate();
    }
  });
  box->open();
}

void SiteQuestions::onAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator) {
  LoginDialog::answer(dialogParentOf(page_),
                      QString::fromStdString(EnginePrompts::login(
                          url.host().toStdString(), authenticator->realm().toStdString(), false)),
                      authenticator);
}

void SiteQuestions::onProxyAuthenticationRequired(const QUrl&, QAuthenticator* authenticator,
                                                  const QString& proxyHost) {
  LoginDialog::answer(dialogParentOf(page_),
                      QString::fromStdString(EnginePrompts::login(
                          proxyHost.toStdString(), authenticator->realm().toStdString(), true)),
                      authenticator);
}

void SiteQuestions::onFeaturePermissionRequested(const QUrl& origin,
                                                 QWebEnginePage::Feature feature) {
  const std::string site = origin.toString(QUrl::RemovePath).toStdString();
  const std::string name = featureName(feature);
  if (const auto known = permissions_.answer(origin.toString().toStdString(), name)) {
    page_->setFeaturePermission(
        origin, feature,
        *known ? QWebEnginePage::PermissionGrantedByUser : QWebEnginePage::PermissionDeniedByUser);
    return;
  }
  auto* box = new QMessageBox(QMessageBox::Question, tr("Permission"),
                              QString::fromStdString(EnginePrompts::permission(site, name)),
                              QMessageBox::NoButton, dialogParentOf(page_));
  box->setObjectName(QStringLiteral("PermissionQuestion"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  QPushButton* allow = box->addButton(tr("&Allow"), QMessageBox::AcceptRole);
  QPushButton* deny = box->addButton(tr("&Deny"), QMessageBox::RejectRole);
  box->setDefaultButton(deny);
  box->setEscapeButton(deny);
  QPointer<QWebEnginePage> page(page_);
  SitePermissions& permissions = permissions_;
  connect(box, &QMessageBox::finished, this,
          [page, &permissions, box, allow, origin, feature, site, name] {
            if (!page) return;
            const bool allowed = box->clickedButton() == allow;
            permissions.remember(origin.toString().toStdString(), name, allowed);
            page->setFeaturePermission(origin, feature,
                                       allowed ? QWebEnginePage::PermissionGrantedByUser
                                               : QWebEnginePage::PermissionDeniedByUser);
          });
  box->open();
}

}  // namespace corvane
