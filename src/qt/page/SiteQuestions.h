#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QWebEnginePage>

class QAuthenticator;
class QWebEngineCertificateError;

namespace corvane {

class SitePermissions;

// What a site asks of the user through the engine, each asked over the window: a certificate
// the engine cannot trust gets a clear choice that refuses unless the user deliberately goes on;
// a site or proxy that wants a password gets a login prompt; a request for a feature (location,
// camera, ...) gets a question whose answer holds for the site until Corvane closes.
class SiteQuestions : public QObject {
  Q_OBJECT
 public:
  // `permissions` outlive the page.
  SiteQuestions(QWebEnginePage* page, SitePermissions& permissions);

 private:
  void onCertificateError(const QWebEngineCertificateError& error);
  void onAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator);
  void onProxyAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator,
                                     const QString& proxyHost);
  void onFeaturePermissionRequested(const QUrl& origin, QWebEnginePage::Feature feature);

  QWebEnginePage* page_;
  SitePermissions& permissions_;
};

}  // namespace corvane
