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
#include "qt/engine/PageCommands.h"
#include "qt/page/BrowserPage.h"
#include "qt/page/PageReader.h"
#include "qt/platform/DesktopOpener.h"

namespace corvane {

namespace {
const QString kViewSource = QStringLiteral("view-source:");
// How often the bar may creep while an answer is awaited.
constexpr int kWaitingTickMs = 200;

// Drawn afresh for each control, so that no web page can name a button's address.
std::string newButtonBase() {
  QRandomGenerator* random = QRandomGenerator::system();
  return (QStringLiteral("http://open.corvane.invalid/") +
          QString::number(random->generate64(), 36) + QString::number(random->generate64(), 36) +
          QLatin1Char('/'))
      .toStdString();
}

std::string urlText(const QUrl& url) { return url.toString().toStdString(); }
}  // namespace

WebEngineBrowserControl::WebEngineBrowserControl(QWebEngineView* view, BrowserPage* page,
                                                 const QString& workingFolder)
    : QObject(view),
      view_(view),
      workingFolder_(workingFolder),
      page_(page),
      events_(std::make_unique<BrowserEventSequencer>()),
      standIns_(newButtonBase()),
      pageCommands_(new PageCommands(view)),
      waitingTimer_(new QTimer(this)) {
  waitingTimer_->setInterval(kWaitingTickMs);
  connect(waitingTimer_, &QTimer::timeout, this, &WebEngineBrowserControl::onWaitingTick);
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
          &WebEngineBrowserControl::onNavigationRequested);
  connect(page, &BrowserPage::leaveAnswered, this, &WebEngineBrowserControl::onLeaveAnswered);
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
  std::swap(standIns_, other.standIns_);
  std::swap(retry_, other.retry_);
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

void WebEngineBrowserControl::onNavigationRequested(QWebEngineNavigationRequest& request) {
  if (!request.isMainFrame()) return;
  const QUrl url = request.url();
  if (openedOnDesktop(url)) {
    request.reject();
    return;
  }
  if (url.isLocalFile()) {
    const LocalFileKind kind = LocalFileKind::of(url.toLocalFile().toStdString());
    const LocalFileRoute route = routeOfLink(kind, view_->url().isLocalFile());
    if (route != LocalFileRoute::Engine) {
      request.reject();
      // Later, out of the engine's own call.
      QTimer::singleShot(0, this, [this, url, kind, route] { showLocalFile(url, kind, route); });
      return;
    }
  }
  retry_.letThrough();
  events_->navigationStarted(reported(url));
}

void WebEngineBrowserControl::onLeaveAnswered(bool leave) {
  const LeaveRetry::Outcome outcome = retry_.answered(leave, events_->Busy());
  if (outcome.again) again(*outcome.again);
  // The page stays: what was asked for will not come.
  if (outcome.stop) events_->stopCalled();
}

void WebEngineBrowserControl::again(const LeaveRetry::Request& request) {
  switch (request.kind) {
    case LeaveRetry::Kind::Navigate:
      Navigate(request.address);
      break;
    case LeaveRetry::Kind::GoBack:
      GoBack();
      break;
    case LeaveRetry::Kind::GoForward:
      GoForward();
      break;
    case LeaveRetry::Kind::Refresh:
      Refresh();
      break;
  }
}

void WebEngineBrowserControl::onWaitingTick() {
  if (events_->Busy()) {
    events_->waitingTick();
  } else {
    waitingTimer_->stop();
  }
}

void WebEngineBrowserControl::Navigate(const std::string& address) {
  retry_.asked({LeaveRetry::Kind::Navigate, address});
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
  if (url.isLocalFile()) {
    const LocalFileKind kind = LocalFileKind::of(url.toLocalFile().toStdString());
    if (showLocalFile(url, kind, routeOfRequest(kind))) return;
  }
  events_->navigateCalled(reported(url));
  waitingTimer_->start();
  view_->load(url);
}

bool WebEngineBrowserControl::showLocalFile(const QUrl& fileUrl, const LocalFileKind& kind,
                                            LocalFileRoute route) {
  const QString path = fileUrl.toLocalFile();
  QUrl page;
  switch (route) {
    case LocalFileRoute::Engine:
      return false;
    case LocalFileRoute::Text: {
      QFile file(path);
      // What cannot be read after all gets the engine's own page saying so.
      if (!file.open(QIODevice::ReadOnly)) return false;
      page = QUrl(QStringLiteral("data:text/plain;charset=%1;base64,")
                      .arg(QString::fromStdString(kind.charset)) +
                  QString::fromLatin1(file.readAll().toBase64()));
      break;
    }
    case LocalFileRoute::Notice: {
      const std::string button = standIns_.nextButton();
      const LocalFilePage notice(path.toStdString(), kind,
                                 DesktopOpener::applicationFor(path).toStdString(), button);
      page = QUrl(QStringLiteral("data:text/html;charset=utf-8;base64,") +
                  QString::fromLatin1(QByteArray::fromStdString(notice.html()).toBase64()));
      standIns_.addButton(button, urlText(page), path.toStdString());
      break;
    }
  }
  standIns_.addFile(urlText(page), urlText(fileUrl));
  events_->navigateCalled(urlText(fileUrl));
  view_->load(page);
  return true;
}

bool WebEngineBrowserControl::openedOnDesktop(const QUrl& url) {
  if (!standIns_.isButton(urlText(url))) return false;
  if (const auto file = standIns_.buttonFile(urlText(url), urlText(view_->url()))) {
    DesktopOpener::open(QString::fromStdString(*file), view_);
  }
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
  standIns_.addCannotOpen(urlText(url), typed);
  events_->navigateCalled(typed);
  view_->load(url);
}

std::string WebEngineBrowserControl::reported(const QUrl& url) const {
  return standIns_.reported(urlText(url));
}

void WebEngineBrowserControl::GoBack() {
  retry_.asked({LeaveRetry::Kind::GoBack, {}});
  view_->back();
}

void WebEngineBrowserControl::GoForward() {
  retry_.asked({LeaveRetry::Kind::GoForward, {}});
  view_->forward();
}

void WebEngineBrowserControl::Stop() {
  view_->stop();
  events_->stopCalled();
}

void WebEngineBrowserControl::Refresh() {
  retry_.asked({LeaveRetry::Kind::Refresh, {}});
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

void WebEngineBrowserControl::SetFocus() {
  // The article over the page stands in for it.
  if (page_->reader().shown() && page_->reader().focusPart(ReaderPart::Text)) return;
  view_->setFocus(Qt::OtherFocusReason);
}

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
  events_->urlChanged(reported(url), pageTitle(view_->title()),
                      standIns_.isCannotOpen(urlText(url)));
}

void WebEngineBrowserControl::onTitleChanged(const QString& title) {
  events_->titleChanged(pageTitle(title));
}

std::string WebEngineBrowserControl::pageTitle(const QString& title) const {
  return standIns_.title(title.toStdString(), urlText(view_->url()));
}

}  // namespace corvane
