#include "qt/page/BrowserPage.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <chrono>
#include <utility>

#include "browser/DownloadStatus.h"
#include "browser/EnginePrompts.h"
#include "browser/ExternalLink.h"
#include "browser/SitePermissions.h"
#include "qt/page/CrashNotice.h"
#include "qt/page/DialogSheet.h"
#include "qt/page/ExternalLinkOpener.h"
#include "qt/page/FullScreenWindow.h"
#include "qt/page/LoginDialog.h"
#include "qt/page/PageDialogChannel.h"
#include "qt/page/PageReports.h"
#include "qt/page/PaneNotice.h"
#include "qt/page/PopupWindow.h"

namespace corvane {

namespace {

// The site's answer "pop-ups" stands beside the features' answers.
const char kPopups[] = "pop-ups";

// The engine's text of its leave-page question (QWebEnginePage's).
const char kLeaveQuestion[] =
    "Are you sure you want to leave this page? Changes that you made may not be saved.";

qint64 nowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

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

BrowserPage::BrowserPage(QWebEngineProfile* profile, const PageServices& services, QObject* parent)
    : QWebEnginePage(profile, parent),
      services_(services),
      externalLinks_(new ExternalLinkOpener(this)),
      reports_(new PageReports(this)) {
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
  connect(reports_, &PageReports::reported, this, &BrowserPage::onReport);
  services_.dialogs.add(this);
  addDocumentMarkers();
}

void BrowserPage::addDocumentMarkers() {
  const std::string send = reports_->sendFunction().toStdString();
  const struct {
    const char* name;
    QWebEngineScript::InjectionPoint point;
    quint32 world;
    QString source;
  } scripts[] = {
      // The page's own world: its dialog calls are answered through its sheet.
      {"corvane-page-dialogs", QWebEngineScript::DocumentCreation, QWebEngineScript::MainWorld,
       PageDialogChannel::pageScript()},
      {"corvane-document-created", QWebEngineScript::DocumentCreation, PageReports::kWorld,
       QString::fromStdString(DocumentMarkers::creationScript(send))},
      {"corvane-document-parsed", QWebEngineScript::DocumentReady, PageReports::kWorld,
       QString::fromStdString(DocumentMarkers::parsedScript(send))},
  };
  for (const auto& each : scripts) {
    QWebEngineScript script;
    script.setName(QString::fromLatin1(each.name));
    script.setInjectionPoint(each.point);
    script.setWorldId(each.world);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(each.source);
    this->scripts().insert(script);
  }
}

void BrowserPage::onReport(const QString& kind, const QString& key, const QString& address) {
  const DocumentMarkers::Report report =
      markers_.read(kind.toStdString(), key.toStdString(), address.toStdString());
  switch (report.kind) {
    case DocumentMarkers::Kind::Created:
      // "For the rest of the page's life": a new document may ask again, and what the one before
      // asked is no longer asked.
      dialogs_ = PageDialogs();
      // Nor has the user acted in it yet, and what the document before asked to download is
      // no longer asked.
      downloadGate_ = DownloadGate();
      if (downloadNotice_) downloadNotice_->withdraw();
      typed_.clear();
      if (askedSheet_) askedSheet_->cancel();
      services_.dialogs.documentCreated();
      Q_EMIT mainDocumentCreated(QUrl(QString::fromStdString(report.address)));
      break;
    case DocumentMarkers::Kind::Parsed:
      Q_EMIT mainDocumentParsed();
      break;
    case DocumentMarkers::Kind::Loaded:
      Q_EMIT mainDocumentLoaded(QUrl(QString::fromStdString(report.address)));
      break;
    case DocumentMarkers::Kind::Input:
      downloadGate_.userActed();
      break;
    case DocumentMarkers::Kind::None:
      break;
  }
}

bool BrowserPage::showsDocument(const QString& key, const QUrl& initiator) const {
  return markers_.isShowing(key.toStdString(), initiator.toString().toStdString());
}

QWidget* BrowserPage::dialogParent() const {
  QWidget* view = QWebEngineView::forPage(this);
  return view ? view->window() : nullptr;
}

QString BrowserPage::site() const { return url().toString(QUrl::RemovePath); }

int BrowserPage::openPopups() {
  popups_.removeAll(nullptr);
  return static_cast<int>(popups_.size());
}

void BrowserPage::onNewWindowRequested(QWebEngineNewWindowRequest& request) {
  const bool dialog = request.destination() == QWebEngineNewWindowRequest::InNewDialog;
  const QUrl url = request.requestedUrl();
  // Corvane's own requests open nothing.
  if (ExternalLink::isOwnScheme(url.scheme().toLower().toStdString())) return;
  // A new tab or window opens in this pane, so only a pop-up counts against the open ones.
  const bool allowed = popupBlocker_.request(
      request.isUserInitiated(),
      services_.permissions.answer(site().toStdString(), kPopups) == true,
      dialog ? openPopups() : 0, this->url().host().toStdString(), url.toString().toStdString());
  if (!allowed) {
    showBlockedPopups();
    return;
  }
  // Only a pop-up gets a window; the page keeps its link to the page that opened it.
  if (dialog) {
    request.openIn(openPopup()->page());
    return;
  }
  // Loaded here, another program's address would not reach the question.
  if (leavesForDesktop(url)) return;
  // A script address would run in this pane's page rather than in a new one.
  if (url.isValid() && !url.isEmpty() && url.scheme() != QLatin1String("javascript")) load(url);
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType) {
  // The engine asks here first, without saying who asked; declined, it asks again with that
  // (onNewWindowRequested).
  return nullptr;
}

PopupWindow* BrowserPage::openPopup() {
  auto* popup = new PopupWindow(profile(), services_, dialogParent());
  popups_.append(popup);
  popup->show();
  return popup;
}

PaneNotice* BrowserPage::notice(QPointer<PaneNotice>& notice, const QString& name, int row) {
  QWebEngineView* view = QWebEngineView::forPage(this);
  if (!notice && view && view->parentWidget()) notice = new PaneNotice(view, name, row);
  return notice;
}

void BrowserPage::showBlockedPopups() {
  if (popupNotice_) {
    popupNotice_->showNotice(QString::fromStdString(popupBlocker_.notice()));
    return;
  }
  PaneNotice* strip = notice(popupNotice_, QStringLiteral("PopupNotice"), 0);
  if (!strip) return;
  strip->addButton(tr("Allow &once"), QStringLiteral("Once"),
                   [this] { allowBlockedPopups(false); });
  strip->addButton(tr("&Always allow for this site"), QStringLiteral("Always"),
                   [this] { allowBlockedPopups(true); });
  strip->onDismissed([this] { popupBlocker_.dismiss(); });
  strip->showNotice(QString::fromStdString(popupBlocker_.notice()));
}

void BrowserPage::allowBlockedPopups(bool always) {
  if (always) services_.permissions.remember(site().toStdString(), kPopups, true);
  for (const std::string& address : popupBlocker_.release(openPopups())) {
    openPopup()->page()->load(QUrl(QString::fromStdString(address)));
  }
}

bool BrowserPage::downloadRequested(const QUrl& url, const QString& file) {
  if (!typed_.isEmpty() && std::exchange(typed_, QUrl()) == url) return true;
  switch (downloadGate_.request()) {
    case DownloadGate::Decision::Go:
      return true;
    case DownloadGate::Decision::Refuse:
      return false;
    case DownloadGate::Decision::Ask:
      break;
  }
  pendingDownload_ = url;
  pendingDownloadName_ = file;
  PaneNotice* strip = downloadNotice_;
  if (!strip) {
    strip = notice(downloadNotice_, QStringLiteral("DownloadNotice"), 1);
    if (!strip) {
      downloadGate_.answered(false);
      return false;
    }
    strip->addButton(tr("A&llow"), QStringLiteral("Allow"), [this] {
      downloadGate_.answered(true);
      download(pendingDownload_, pendingDownloadName_);
    });
    strip->addButton(tr("&Block"), QStringLiteral("Block"),
                     [this] { downloadGate_.answered(false); });
    strip->onDismissed([this] { downloadGate_.answered(false); });
  }
  strip->showNotice(QString::fromStdString(
      EnginePrompts::download(this->url().host().toStdString(),
                              DownloadStatus::proposedPath(std::string(), file.toStdString()))));
  return false;
}

void BrowserPage::followView() {
  QWebEngineView* view = QWebEngineView::forPage(this);
  if (!view || !view->parentWidget()) return;
  if (sheet_) sheet_->moveTo(view);
  if (popupNotice_) popupNotice_->moveTo(view);
  if (downloadNotice_) downloadNotice_->moveTo(view);
  if (crashNotice_) crashNotice_->moveTo(view);
}

DialogSheet* BrowserPage::sheet() {
  QWebEngineView* view = QWebEngineView::forPage(this);
  if (!view || !view->parentWidget()) return nullptr;
  if (!sheet_) sheet_ = new DialogSheet(view);
  return sheet_;
}

DialogSheet* BrowserPage::dialogSheet() { return dialogs_.mayShow() ? sheet() : nullptr; }

bool BrowserPage::leavesForDesktop(const QUrl& url) {
  const std::string scheme = url.scheme().toLower().toStdString();
  // Corvane's own requests are no link: nothing to ask, and nowhere to go.
  if (ExternalLink::isOwnScheme(scheme)) return true;
  if (scheme.empty() || ExternalLink::isEngineScheme(scheme)) return false;
  // Asked over the page, whether or not it may still show dialogs of its own: the question is
  // Corvane's.
  QPointer<BrowserPage> page(this);
  externalLinks_->offer(url, [page](const QString& question, const QString& address,
                                    std::function<void(bool)> answered) {
    DialogSheet* sheet = page ? page->sheet() : nullptr;
    return sheet &&
           sheet->open(
               DialogSheet::Kind::OpenOutside, tr("Open With Another Program"), question, QString(),
               false, [answered](const DialogSheet::Answer& answer) { answered(answer.accepted); },
               address);
  });
  return true;
}

QString BrowserPage::dialogTitle(const QUrl& origin) {
  return QString::fromStdString(EnginePrompts::dialogTitle(origin.host().toStdString()));
}

QString BrowserPage::dialogText(const QString& message) {
  return QString::fromStdString(EnginePrompts::pageMessage(message.toStdString()));
}

void BrowserPage::askFromPage(DialogSheet::Kind kind, const QUrl& origin, const QString& message,
                              const QString& value,
                              std::function<void(std::optional<bool>, const QString&)> done,
                              QObject* request) {
  DialogSheet* sheet = dialogSheet();
  if (!dialogs_.mayShow()) {
    done(std::nullopt, QString());
    return;
  }
  auto given = std::make_shared<QMetaObject::Connection>();
  QPointer<BrowserPage> page(this);
  const auto answered = [page, done, given](const DialogSheet::Answer& answer) {
    QObject::disconnect(*given);
    if (page) page->dialogs_.closed(nowMs(), answer.stopMore);
    done(answer.accepted, answer.value);
  };
  if (!sheet || !sheet->open(kind, dialogTitle(origin), dialogText(message), value,
                             dialogs_.offersSuppress(nowMs()), answered)) {
    done(false, QString());
    return;
  }
  askedSheet_ = sheet;
  // A request the page gives up (it has gone to another document) takes its sheet along.
  *given = connect(request, &QObject::destroyed, sheet, &DialogSheet::cancel);
}

bool BrowserPage::runDialog(DialogSheet::Kind kind, const QUrl& origin, const QString& message,
                            QString* value) {
  DialogSheet* sheet = dialogSheet();
  if (inDialog_ || !sheet) return false;
  QPointer<BrowserPage> alive(this);
  inDialog_ = true;
  const DialogSheet::Answer answer =
      sheet->ask(kind, dialogTitle(origin), dialogText(message), value ? *value : QString(),
                 dialogs_.offersSuppress(nowMs()));
  if (!alive) return false;  // the page went while it waited
  inDialog_ = false;
  dialogs_.closed(nowMs(), answer.stopMore);
  if (value) *value = answer.value;
  return answer.accepted;
}

void BrowserPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg) {
  runDialog(DialogSheet::Kind::Alert, securityOrigin, msg, nullptr);
}

bool BrowserPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) {
  // The engine asks its leave-page question here too, in its own words.
  if (msg == QCoreApplication::translate("QWebEnginePage", kLeaveQuestion)) return mayLeave();
  return runDialog(DialogSheet::Kind::Confirm, securityOrigin, msg, nullptr);
}

bool BrowserPage::mayLeave() {
  // The engine waits for the answer and does no other work meanwhile, in any pane; so the page
  // stays for now, and the user's answer comes later: Leave lets the page go, Stay keeps it.
  if (std::exchange(leaveAgreed_, false) || !dialogs_.mayShow()) return true;
  DialogSheet* sheet = dialogSheet();
  QPointer<BrowserPage> page(this);
  const auto answered = [page](const DialogSheet::Answer& answer) {
    if (!page) return;
    page->dialogs_.closed(nowMs(), answer.stopMore);
    page->leaveAgreed_ = answer.accepted;
    Q_EMIT page->leaveAnswered(answer.accepted);
  };
  if (!sheet) return true;  // nowhere to ask
  if (!sheet->open(DialogSheet::Kind::Leave, tr("Leave this page?"),
                   QCoreApplication::translate("QWebEnginePage", kLeaveQuestion), QString(),
                   dialogs_.offersSuppress(nowMs()), answered)) {
    // Another question is up: the page stays, and its pane waits no longer.
    QTimer::singleShot(0, this, [this] { Q_EMIT leaveAnswered(false); });
  }
  return false;
}

bool BrowserPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                   const QString& defaultValue, QString* result) {
  QString value = defaultValue;
  const bool accepted = runDialog(DialogSheet::Kind::Prompt, securityOrigin, msg, &value);
  if (accepted && result) *result = value;
  return accepted;
}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (type == NavigationTypeLinkClicked && isMainFrame && linkClickFilter_ &&
      linkClickFilter_(url)) {
    return false;
  }
  if (isMainFrame && type == NavigationTypeTyped) typed_ = url;
  if (isMainFrame && type == NavigationTypeRedirect && !typed_.isEmpty()) typed_ = url;
  // The engine would hand it to the desktop unasked. It comes here only after a user's click
  // or key; the engine drops a page's own attempts.
  if (leavesForDesktop(url)) return false;
  return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
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
  if (const auto known = services_.permissions.answer(site, name)) {
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
    page->services_.permissions.remember(site, name, allowed);
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
  markers_.clear();
  if (status == NormalTerminationStatus) return;
  if (fullScreen_) delete fullScreen_;
  QWebEngineView* view = QWebEngineView::forPage(this);
  if (!view || !view->parentWidget()) return;
  if (!crashNotice_) crashNotice_ = new CrashNotice(view);
  crashNotice_->showNotice(QString::fromStdString(EnginePrompts::crashed(
      url().toDisplayString().toStdString(), status == KilledTerminationStatus)));
}

}  // namespace corvane
