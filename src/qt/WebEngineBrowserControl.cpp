#include "qt/WebEngineBrowserControl.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <stdexcept>

#include "browser/StandInTitle.h"
#include "platform/IBrowserEvents.h"
#include "qt/BrowserPage.h"

namespace corvane {

namespace {
const QString kViewSource = QStringLiteral("view-source:");
// The engine reports progress in percent; the panes' bars count to a million.
constexpr int32_t kProgressMax = 1000000;
constexpr int32_t kProgressPerPercent = kProgressMax / 100;
}  // namespace

WebEngineBrowserControl::WebEngineBrowserControl(QWebEngineView* view, QWebEngineProfile* profile,
                                                 const QString& workingFolder)
    : QObject(view), view_(view), workingFolder_(workingFolder) {
  view_->setPage(new BrowserPage(profile, view_));
  QWebEnginePage* page = view_->page();
  connect(page, &QWebEnginePage::loadStarted, this, &WebEngineBrowserControl::onLoadStarted);
  connect(page, &QWebEnginePage::loadProgress, this, &WebEngineBrowserControl::onLoadProgress);
  connect(page, &QWebEnginePage::loadFinished, this, &WebEngineBrowserControl::onLoadFinished);
  connect(page, &QWebEnginePage::urlChanged, this, &WebEngineBrowserControl::onUrlChanged);
  connect(page, &QWebEnginePage::linkHovered, this, &WebEngineBrowserControl::onLinkHovered);
  QAction* back = page->action(QWebEnginePage::Back);
  QAction* forward = page->action(QWebEnginePage::Forward);
  connect(back, &QAction::changed, this,
          [this, back] { onHistoryActionChanged(CSC_NAVIGATEBACK, back->isEnabled()); });
  connect(forward, &QAction::changed, this,
          [this, forward] { onHistoryActionChanged(CSC_NAVIGATEFORWARD, forward->isEnabled()); });
}

WebEngineBrowserControl::~WebEngineBrowserControl() = default;

QUrl WebEngineBrowserControl::urlFromUserInput(const QString& input, const QString& workingFolder) {
  QString text = input.trimmed();
  const bool viewSource = text.startsWith(kViewSource, Qt::CaseInsensitive);
  if (viewSource) text = text.mid(kViewSource.size()).trimmed();
  if (text.isEmpty()) return {};
  // A bare host becomes http://host, a path or an existing relative file name a file address.
  QUrl url = QUrl::fromUserInput(text, workingFolder);
  if (!url.isValid()) return {};
  if (viewSource) url = QUrl(kViewSource + url.toString(QUrl::FullyEncoded));
  return url;
}

void WebEngineBrowserControl::Navigate(const std::string& address) {
  const QUrl url = urlFromUserInput(QString::fromStdString(address), workingFolder_);
  if (!url.isValid()) throw std::invalid_argument("not an address");
  // Busy from the call on: the engine may report the pending address before the load starts.
  loading_ = true;
  refreshing_ = false;
  view_->load(url);
}

void WebEngineBrowserControl::GoBack() { view_->back(); }

void WebEngineBrowserControl::GoForward() { view_->forward(); }

void WebEngineBrowserControl::Stop() { view_->stop(); }

void WebEngineBrowserControl::Refresh() {
  refreshing_ = true;
  view_->reload();
}

void WebEngineBrowserControl::ExecWB(int32_t command, int32_t option) {
  switch (command) {
    case OLECMDID_SAVEAS:
      saveAs();
      break;
    case OLECMDID_PRINT:
      print(option == OLECMDEXECOPT_PROMPTUSER);
      break;
    case OLECMDID_PAGESETUP:
      pageSetup();
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

std::string WebEngineBrowserControl::LocationURL() const {
  return view_->url().toString().toStdString();
}

std::string WebEngineBrowserControl::LocationName() const {
  const std::string title = view_->title().toStdString();
  return isStandInTitle(title, LocationURL()) ? LocationURL() : title;
}

bool WebEngineBrowserControl::Busy() const { return loading_; }

void WebEngineBrowserControl::SetFocus() { view_->setFocus(Qt::OtherFocusReason); }

void WebEngineBrowserControl::SetEventSink(IBrowserEvents* sink) { sink_ = sink; }

void WebEngineBrowserControl::onLoadStarted() {
  loading_ = true;
  raiseStatusText(tr("Opening page %1...").arg(view_->url().toDisplayString()));
  if (sink_) sink_->ProgressChange(0, kProgressMax);
}

void WebEngineBrowserControl::onLoadProgress(int percent) {
  if (!loading_ || !sink_) return;
  sink_->ProgressChange(percent * kProgressPerPercent, kProgressMax);
}

void WebEngineBrowserControl::onLoadFinished(bool /*ok*/) {
  // A failed load still completes: the engine shows its error page for the address.
  const bool wasRefresh = refreshing_;
  loading_ = false;
  refreshing_ = false;
  if (!sink_) return;
  sink_->ProgressChange(-1, 0);
  if (!wasRefresh) sink_->NavigateComplete2();
  if (sink_) sink_->DownloadComplete();
  raiseStatusText(QStringLiteral("Done"));
}

void WebEngineBrowserControl::onUrlChanged() {
  // During a load the address may still change (redirects); it is reported when the load ends.
  if (loading_ || !sink_) return;
  sink_->NavigateComplete2();
}

void WebEngineBrowserControl::onLinkHovered(const QString& url) { raiseStatusText(url); }

void WebEngineBrowserControl::onHistoryActionChanged(int32_t command, bool enabled) {
  bool& last = command == CSC_NAVIGATEBACK ? backEnabled_ : forwardEnabled_;
  if (last == enabled) return;
  last = enabled;
  if (sink_) sink_->CommandStateChange(command, enabled);
}

void WebEngineBrowserControl::raiseStatusText(const QString& text) {
  if (sink_) sink_->StatusTextChange(text.toStdString());
}

void WebEngineBrowserControl::saveAs() {
  QString name = view_->title().isEmpty() ? QStringLiteral("page") : view_->title();
  name.replace(QLatin1Char('/'), QLatin1Char('_'));
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = QFileDialog::getSaveFileName(
      view_, tr("Save Page As"), QDir(folder).filePath(name + QStringLiteral(".html")),
      tr("Web page, complete (*.html *.htm);;All Files (*)"));
  if (path.isEmpty()) return;
  view_->page()->save(path, QWebEngineDownloadRequest::CompleteHtmlSaveFormat);
}

void WebEngineBrowserControl::print(bool prompt) {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (prompt) {
    QPrintDialog dialog(printer_.get(), view_);
    if (dialog.exec() != QDialog::Accepted) return;
  }
  view_->print(printer_.get());
}

void WebEngineBrowserControl::pageSetup() {
  // The pane keeps its printer, so the page setup chosen here applies to its next print.
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPageSetupDialog dialog(printer_.get(), view_);
  dialog.exec();
}

}  // namespace corvane
