#include "qt/engine/WebEngineBrowserControl.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNavigationRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <stdexcept>
#include <utility>

#include "browser/CannotOpenPage.h"
#include "browser/LocalFileKind.h"
#include "browser/LocalFilePage.h"
#include "browser/StandInTitle.h"
#include "qt/engine/PageCommands.h"
#include "qt/page/BrowserPage.h"
#include "qt/platform/DesktopOpener.h"

namespace corvane {

namespace {
const QString kViewSource = QStringLiteral("view-source:");
// How often the bar may creep while an answer is awaited.
constexpr int kWaitingTickMs = 200;
}  // namespace

WebEngineBrowserControl::WebEngineBrowserControl(QWebEngineView* view, BrowserPage* page,
                                                 const QString& workingFolder)
    : QObject(view),
      view_(view),
      workingFolder_(workingFolder),
      page_(page),
      events_(std::make_unique<BrowserEventSequencer>()),
      pageCommands_(new PageCommands(view)),
      waitingTimer_(new QTimer(this)) {
  waitingTimer_->setInterval(kWaitingTickMs);
  connect(waitingTimer_, &QTimer::timeout, this, [this] {
    if (events_->Busy()) {
      events_->waitingTick();
    } else {
      waitingTimer_->stop();
    }
  });
  QRandomGenerator* random = QRandomGenerator::system();
  buttonBase_ = QStringLiteral("http://open.corvane.invalid/") +
                QString::number(random->generate64(), 36) +
                QString::number(random->generate64(), 36) + QLatin1Char('/');
  page_->setParent(view_);
  view_->setPage(page_);
  connectPage();
}

void WebEngineBrowserControl::connectPage() {
  BrowserPage* page = page_;
  connect(page, &QWebEnginePage::loadingChanged, this, &WebEngineBrowserControl::onLoadingChanged);
  connect(page, &QWebEnginePage::loadProgress, this,
          [this](int percent) { events_->loadProgress(percent); });
  connect(page, &QWebEnginePage::urlChanged, this, &WebEngineBrowserControl::onUrlChanged);
  connect(page, &QWebEnginePage::titleChanged, this, &WebEngineBrowserControl::onTitleChanged);
  connect(page, &BrowserPage::mainDocumentCreated, this,
          [this](const QUrl& url) { events_->documentCreated(reported(url)); });
  connect(page, &BrowserPage::mainDocumentParsed, this, [this] { events_->documentParsed(); });
  connect(page, &BrowserPage::mainDocumentLoaded, this,
          [this](const QUrl& url) { events_->documentLoaded(reported(url)); });
  connect(page, &QWebEnginePage::navigationRequested, this,
          [this](QWebEngineNavigationRequest& request) {
            if (!request.isMainFrame()) return;
            if (openedOnDesktop(request.url())) {
              request.reject();
              return;
            }
            // A local page's link to a local file the engine would offer as a download: the pane
            // shows it as a file picked from a folder is shown. Later, out of the engine's own
            // call. A web page's link to a file stays the engine's to refuse.
            const QUrl url = request.url();
            if (url.isLocalFile() && view_->url().isLocalFile() &&
                LocalFileKind::of(url.toLocalFile().toStdString()).kind !=
                    LocalFileKind::Kind::Engine) {
              request.reject();
              QTimer::singleShot(0, this, [this, url] { showLocalFile(url); });
              return;
            }
            again_ = nullptr;  // the page has let it through
            events_->navigationStarted(reported(request.url()));
          });
  connect(page, &BrowserPage::leaveAnswered, this, [this](bool leave) {
    const auto again = std::exchange(again_, nullptr);
    if (leave && again) {
      again(*this);
    } else if (!leave && events_->Busy()) {
      events_->stopCalled();  // the page stays: what was asked for will not come
    }
  });
  connect(page, &QWebEnginePage::linkHovered, this,
          [this](const QString& url) { events_->linkHovered(url.toStdString()); });
  QAction* back = page->action(QWebEnginePage::Back);
  QAction* forward = page->action(QWebEnginePage::Forward);
  connect(back, &QAction::changed, this,
          [this, back] { events_->historyActionChanged(CSC_NAVIGATEBACK, back->isEnabled()); });
  connect(forward, &QAction::changed, this, [this, forward] {
    events_->historyActionChanged(CSC_NAVIGATEFORWARD, forward->isEnabled());
  });
}

void WebEngineBrowserControl::swapPages(WebEngineBrowserControl& other) {
  for (WebEngineBrowserControl* control : {this, &other}) {
    BrowserPage* page = control->page_;
    page->disconnect(control);
    page->action(QWebEnginePage::Back)->disconnect(control);
    page->action(QWebEnginePage::Forward)->disconnect(control);
    // A view deletes the page it owns when it is given another.
    page->setParent(nullptr);
  }
  std::swap(page_, other.page_);
  std::swap(events_, other.events_);
  std::swap(cannotOpen_, other.cannotOpen_);
  std::swap(standIns_, other.standIns_);
  std::swap(openButtons_, other.openButtons_);
  std::swap(again_, other.again_);
  std::swap(buttonBase_, other.buttonBase_);
  // The first page is taken from the other view, which is left without one until it gets the
  // second: at no moment does a page have two views.
  view_->setPage(page_);
  other.view_->setPage(other.page_);
  for (WebEngineBrowserControl* control : {this, &other}) {
    control->page_->setParent(control->view_);
    control->events_->setEventSink(control->sink_);
    control->connectPage();
  }
  page_->followView();
  other.page_->followView();
}

WebEngineBrowserControl::~WebEngineBrowserControl() = default;

void WebEngineBrowserControl::Navigate(const std::string& address) {
  again_ = [address](WebEngineBrowserControl& control) { control.Navigate(address); };
  const AddressInput input =
      AddressInput::parse(address, QDir::homePath().toStdString(), workingFolder_.toStdString());
  if (input.verdict() == AddressInput::Verdict::Nothing) return;
  if (input.verdict() == AddressInput::Verdict::Refuse) {
    showCannotOpen(address, input.refusal(), input.scheme());
    return;
  }
  const QUrl url = engineUrl(input);
  if (!url.isValid()) {
    showCannotOpen(address, AddressInput::Refusal::NotAnAddress, input.scheme());
    return;
  }
  if (url.isLocalFile() && showLocalFile(url)) return;
  events_->navigateCalled(reported(url));
  waitingTimer_->start();
  view_->load(url);
}

bool WebEngineBrowserControl::showLocalFile(const QUrl& fileUrl) {
  const QString path = fileUrl.toLocalFile();
  const LocalFileKind kind = LocalFileKind::of(path.toStdString());
  QUrl page;
  if (kind.kind == LocalFileKind::Kind::Engine) return false;
  if (kind.kind == LocalFileKind::Kind::Text) {
    QFile file(path);
    // What cannot be read after all gets the engine's own page saying so.
    if (!file.open(QIODevice::ReadOnly)) return false;
    page = QUrl(QStringLiteral("data:text/plain;charset=%1;base64,")
                    .arg(QString::fromStdString(kind.charset)) +
                QString::fromLatin1(file.readAll().toBase64()));
  } else {
    const QString button = buttonBase_ + QString::number(openButtons_.size());
    const LocalFilePage notice(path.toStdString(), kind,
                               DesktopOpener::applicationFor(path).toStdString(),
                               button.toStdString());
    page = QUrl(QStringLiteral("data:text/html;charset=utf-8;base64,") +
                QString::fromLatin1(QByteArray::fromStdString(notice.html()).toBase64()));
    openButtons_.insert(button, {page.toString(), path});
  }
  standIns_.insert(page.toString(), fileUrl.toString());
  events_->navigateCalled(fileUrl.toString().toStdString());
  view_->load(page);
  return true;
}

bool WebEngineBrowserControl::openedOnDesktop(const QUrl& url) {
  const auto button = openButtons_.constFind(url.toString());
  if (button == openButtons_.constEnd()) return false;
  // Only from the file's own page: a button's address followed anywhere else opens nothing.
  if (view_->url().toString() == button->first) DesktopOpener::open(button->second, view_);
  return true;
}

QUrl WebEngineBrowserControl::engineUrl(const AddressInput& input) const {
  const QString text = QString::fromStdString(input.address());
  // Without a scheme: a bare host becomes http://host, a path or an existing file name in the
  // working folder a file address. A written scheme is taken as written.
  QUrl url = input.scheme().empty() ? QUrl::fromUserInput(text, workingFolder_)
                                    : QUrl(text, QUrl::TolerantMode);
  if (!url.isValid() || !AddressInput::isOpenedScheme(url.scheme().toStdString())) return {};
  if (input.viewSource()) url = QUrl(kViewSource + url.toString(QUrl::FullyEncoded));
  return url;
}

void WebEngineBrowserControl::showCannotOpen(const std::string& typed, AddressInput::Refusal why,
                                             const std::string& scheme) {
  const CannotOpenPage page(typed, why, scheme);
  const QByteArray html = QByteArray::fromStdString(page.html());
  // In base64 the engine keeps the address exactly as given, so the page is known again later.
  const QUrl url(QStringLiteral("data:text/html;charset=utf-8;base64,") +
                 QString::fromLatin1(html.toBase64()));
  cannotOpen_.insert(url.toString(), QString::fromStdString(typed));
  events_->navigateCalled(typed);
  view_->load(url);
}

bool WebEngineBrowserControl::isCannotOpenPage(const QUrl& url) const {
  return url.scheme() == QLatin1String("data") && cannotOpen_.contains(url.toString());
}

std::string WebEngineBrowserControl::reported(const QUrl& url) const {
  if (isCannotOpenPage(url)) return cannotOpen_.value(url.toString()).toStdString();
  if (url.scheme() == QLatin1String("data")) {
    const auto file = standIns_.constFind(url.toString());
    if (file != standIns_.constEnd()) return file->toStdString();
  }
  return url.toString().toStdString();
}

void WebEngineBrowserControl::GoBack() {
  again_ = [](WebEngineBrowserControl& control) { control.GoBack(); };
  view_->back();
}

void WebEngineBrowserControl::GoForward() {
  again_ = [](WebEngineBrowserControl& control) { control.GoForward(); };
  view_->forward();
}

void WebEngineBrowserControl::Stop() {
  view_->stop();
  events_->stopCalled();
}

void WebEngineBrowserControl::Refresh() {
  again_ = [](WebEngineBrowserControl& control) { control.Refresh(); };
  events_->refreshCalled();
  view_->reload();
}

void WebEngineBrowserControl::ExecWB(int32_t command, int32_t option) {
  switch (command) {
    case OLECMDID_SAVEAS:
      pageCommands_->saveAs();
      break;
    case OLECMDID_PRINT:
      pageCommands_->print(option == OLECMDEXECOPT_PROMPTUSER);
      break;
    case OLECMDID_PAGESETUP:
      pageCommands_->pageSetup();
      break;
    case OLECMDID_CUT:
      view_->triggerPageAction(QWebEnginePage::Cut);
      break;
    case OLECMDID_COPY:
      view_->triggerPageAction(QWebEnginePage::Copy);
      break;
    case OLECMDID_PASTE:
      view_->triggerPageAction(QWebEnginePage::Paste);
      break;
    case OLECMDID_SELECTALL:
      view_->triggerPageAction(QWebEnginePage::SelectAll);
      break;
    default:
      throw std::invalid_argument("unsupported document command");
  }
}

std::string WebEngineBrowserControl::LocationURL() const { return events_->LocationURL(); }

std::string WebEngineBrowserControl::LocationName() const { return events_->LocationName(); }

bool WebEngineBrowserControl::Busy() const { return events_->Busy(); }

void WebEngineBrowserControl::SetFocus() { view_->setFocus(Qt::OtherFocusReason); }

void WebEngineBrowserControl::SetEventSink(IBrowserEvents* sink) {
  sink_ = sink;
  events_->setEventSink(sink);
}

void WebEngineBrowserControl::onLoadingChanged(const QWebEngineLoadingInfo& info) {
  if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
    events_->loadStarted(reported(info.url()));
    waitingTimer_->start();
  } else {
    events_->loadFinished(reported(info.url()));  // done, failed or stopped
  }
}

void WebEngineBrowserControl::onUrlChanged(const QUrl& url) {
  events_->urlChanged(reported(url), pageTitle(view_->title()), isCannotOpenPage(url));
}

void WebEngineBrowserControl::onTitleChanged(const QString& title) {
  events_->titleChanged(pageTitle(title));
}

std::string WebEngineBrowserControl::pageTitle(const QString& title) const {
  // The engine names a "cannot open" page after its own long address until the page's title
  // arrives; that stand-in is no title.
  const QUrl url = view_->url();
  if (isCannotOpenPage(url) && isStandInTitle(title.toStdString(), url.toString().toStdString())) {
    return {};
  }
  // A local file's stand-in is named as the file is: by its address.
  if (url.scheme() == QLatin1String("data") && standIns_.contains(url.toString())) return {};
  return title.toStdString();
}

}  // namespace corvane
