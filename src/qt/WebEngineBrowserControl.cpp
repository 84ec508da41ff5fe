#include "qt/WebEngineBrowserControl.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNavigationRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <stdexcept>

#include "qt/BrowserPage.h"

namespace corvane {

namespace {
const QString kViewSource = QStringLiteral("view-source:");
}  // namespace

WebEngineBrowserControl::WebEngineBrowserControl(QWebEngineView* view, QWebEngineProfile* profile,
                                                 const QString& workingFolder)
    : QObject(view), view_(view), workingFolder_(workingFolder) {
  auto* page = new BrowserPage(profile, view_);
  view_->setPage(page);
  connect(page, &QWebEnginePage::loadingChanged, this, &WebEngineBrowserControl::onLoadingChanged);
  connect(page, &QWebEnginePage::loadProgress, this,
          [this](int percent) { events_.loadProgress(percent); });
  connect(page, &QWebEnginePage::urlChanged, this, &WebEngineBrowserControl::onUrlChanged);
  connect(page, &QWebEnginePage::titleChanged, this, &WebEngineBrowserControl::onTitleChanged);
  connect(page, &BrowserPage::mainDocumentCreated, this, [this] { events_.documentCreated(); });
  connect(page, &BrowserPage::mainDocumentParsed, this, [this] { events_.documentParsed(); });
  connect(page, &BrowserPage::mainDocumentLoaded, this, [this] { events_.documentLoaded(); });
  connect(page, &QWebEnginePage::navigationRequested, this,
          [this](QWebEngineNavigationRequest& request) {
            if (request.isMainFrame())
              events_.navigationStarted(request.url().toString().toStdString());
          });
  connect(page, &QWebEnginePage::linkHovered, this,
          [this](const QString& url) { events_.linkHovered(url.toStdString()); });
  QAction* back = page->action(QWebEnginePage::Back);
  QAction* forward = page->action(QWebEnginePage::Forward);
  connect(back, &QAction::changed, this,
          [this, back] { events_.historyActionChanged(CSC_NAVIGATEBACK, back->isEnabled()); });
  connect(forward, &QAction::changed, this, [this, forward] {
    events_.historyActionChanged(CSC_NAVIGATEFORWARD, forward->isEnabled());
  });
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
  events_.navigateCalled(url.toString().toStdString());
  view_->load(url);
}

void WebEngineBrowserControl::GoBack() { view_->back(); }

void WebEngineBrowserControl::GoForward() { view_->forward(); }

void WebEngineBrowserControl::Stop() {
  view_->stop();
  events_.stopCalled();
}

void WebEngineBrowserControl::Refresh() {
  events_.refreshCalled();
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

std::string WebEngineBrowserControl::LocationURL() const { return events_.LocationURL(); }

std::string WebEngineBrowserControl::LocationName() const { return events_.LocationName(); }

bool WebEngineBrowserControl::Busy() const { return events_.Busy(); }

void WebEngineBrowserControl::SetFocus() { view_->setFocus(Qt::OtherFocusReason); }

void WebEngineBrowserControl::SetEventSink(IBrowserEvents* sink) { events_.setEventSink(sink); }

void WebEngineBrowserControl::onLoadingChanged(const QWebEngineLoadingInfo& info) {
  if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
    events_.loadStarted(info.url().toString().toStdString());
  } else {
    events_.loadFinished();  // done, failed or stopped
  }
}

void WebEngineBrowserControl::onUrlChanged(const QUrl& url) {
  events_.urlChanged(url.toString().toStdString(), view_->title().toStdString());
}

void WebEngineBrowserControl::onTitleChanged(const QString& title) {
  events_.titleChanged(title.toStdString());
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
