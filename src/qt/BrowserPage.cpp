#include "qt/BrowserPage.h"

#include <QAuthenticator>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QWebEngineCertificateError>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "browser/EnginePrompts.h"
#include "browser/SitePermissions.h"
#include "qt/CrashNotice.h"
#include "qt/FullScreenWindow.h"
#include "qt/LoginDialog.h"
#include "qt/PopupWindow.h"

namespace corvane {

namespace {

// The answers to the pages' feature requests, kept with the profile both panes share: they
// hold for every page of the run and go with it.
class PermissionAnswers : public QObject {
 public:
  static SitePermissions& of(QWebEngineProfile* profile) {
    const QString name = QStringLiteral("corvane-site-permissions");
    auto* found = profile->findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
    if (!found) {
      found = new PermissionAnswers(profile);
      found->setObjectName(name);
    }
    return static_cast<PermissionAnswers*>(found)->answers_;
  }

 private:
  explicit PermissionAnswers(QObject* parent) : QObject(parent) {}
  SitePermissions answers_;
};

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

BrowserPage::BrowserPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
  settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
  connect(this, &QWebEnginePage::certificateError, this, &BrowserPage::onCertificateError);
  connect(this, &QWebEnginePage::authenticationRequired, this,
          &BrowserPage::onAuthenticationRequired);
  connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
          &BrowserPage::onProxyAuthenticationRequired);
  connect(this, &QWebEnginePage::featurePermissionRequested, this,
          &BrowserPage::onFeaturePermissionRequested);
  connect(this, &QWebEnginePage::newWindowRequested, this, &BrowserPage::onNewWindowRequested);
  connect(this, &QWebEnginePage::fullScreenRequested, this, &BrowserPage::onFullScreenRequested);
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

void BrowserPage::onNewWindowRequested(QWebEngineNewWindowRequest& request) {
  // A new tab or window opens in this pane; only a pop-up gets a window (createWindow).
  if (request.destination() == QWebEngineNewWindowRequest::InNewDialog) return;
  const QUrl url = request.requestedUrl();
  // A script address would run in this pane's page rather than in a new one.
  if (url.isValid() && !url.isEmpty() && url.scheme() != QLatin1String("javascript")) load(url);
}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (type == NavigationTypeLinkClicked && isMainFrame && linkClickFilter_ &&
      linkClickFilter_(url)) {
    return false;
  }
  return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType type) {
  if (type != WebDialog) return nullptr;  // the pane itself, see onNewWindowRequested
  auto* popup = new PopupWindow(profile(), dialogParent());
  popup->show();
  return popup->page();
}

void BrowserPage::onCertificateError(const QWebEngineCertificateError& error) {
  if (!error.isOverridable()) return;  // rejected; the engine shows its error page
  QWebEngineCertificateError deferred = error;
  deferred.defer();
  auto* box =
      new QMessageBox(QMessageBox::Warning, tr("Certificate Error"),
                      QString::fromStdString(EnginePrompts::certificate(
                          error.url().host().toStdString(), error.description().toStdString())),
                      QMessageBox::NoButton, dialogParent());
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

void BrowserPage::onAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator) {
  LoginDialog::answer(dialogParent(),
                      QString::fromStdString(EnginePrompts::login(
                          url.host().toStdString(), authenticator->realm().toStdString(), false)),
                      authenticator);
}

void BrowserPage::onProxyAuthenticationRequired(const QUrl&, QAuthenticator* authenticator,
                                                const QString& proxyHost) {
  LoginDialog::answer(dialogParent(),
                      QString::fromStdString(EnginePrompts::login(
                          proxyHost.toStdString(), authenticator->realm().toStdString(), true)),
                      authenticator);
}

void BrowserPage::onFeaturePermissionRequested(const QUrl& origin, Feature feature) {
  const std::string site = origin.toString(QUrl::RemovePath).toStdString();
  const std::string name = featureName(feature);
  SitePermissions& answers = PermissionAnswers::of(profile());
  if (const auto known = answers.answer(site, name)) {
    setFeaturePermission(origin, feature,
                         *known ? PermissionGrantedByUser : PermissionDeniedByUser);
    return;
  }
  auto* box = new QMessageBox(QMessageBox::Question, tr("Permission"),
                              QString::fromStdString(EnginePrompts::permission(site, name)),
                              QMessageBox::NoButton, dialogParent());
  box->setObjectName(QStringLiteral("PermissionQuestion"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  QPushButton* allow = box->addButton(tr("&Allow"), QMessageBox::AcceptRole);
  QPushButton* deny = box->addButton(tr("&Deny"), QMessageBox::RejectRole);
  box->setDefaultButton(deny);
  box->setEscapeButton(deny);
  QPointer<BrowserPage> page(this);
  connect(box, &QMessageBox::finished, this, [page, box, allow, origin, feature, site, name] {
    if (!page) return;
    const bool allowed = box->clickedButton() == allow;
    PermissionAnswers::of(page->profile()).remember(site, name, allowed);
    page->setFeaturePermission(origin, feature,
                               allowed ? PermissionGrantedByUser : PermissionDeniedByUser);
  });
  box->open();
}

void BrowserPage::onFullScreenRequested(QWebEngineFullScreenRequest request) {
  QWebEngineView* view = QWebEngineView::forPage(this);
  if (request.toggleOn()) {
    if (fullScreen_ || !view) {
      request.reject();
      return;
    }
    request.accept();
    fullScreen_ = new FullScreenWindow(view);
  } else {
    request.accept();
    // Later: the request may come from within the window's own key handling.
    if (fullScreen_) fullScreen_->deleteLater();  // hands the page back to its pane
  }
}

void BrowserPage::onRenderProcessTerminated(RenderProcessTerminationStatus status, int) {
  if (status == NormalTerminationStatus) return;
  if (fullScreen_) delete fullScreen_;
  QWebEngineView* view = QWebEngineView::forPage(this);
  if (!view || !view->parentWidget()) return;
  if (!crashNotice_) crashNotice_ = new CrashNotice(view);
  crashNotice_->showNotice(QString::fromStdString(EnginePrompts::crashed(
      url().toDisplayString().toStdString(), status == KilledTerminationStatus)));
}

}  // namespace corvane
