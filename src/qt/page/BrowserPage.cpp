#include "qt/page/BrowserPage.h"

#include <QPointer>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineView>

#include <utility>

#include "browser/ExternalLink.h"
#include "qt/page/PageDialogChannel.h"
#include "qt/page/PageDocuments.h"
#include "qt/page/PageDownloads.h"
#include "qt/page/PagePopups.h"
#include "qt/page/PageReader.h"
#include "qt/page/PageRenderer.h"
#include "qt/page/ScriptDialogs.h"
#include "qt/page/SiteQuestions.h"

namespace corvane {

BrowserPage::BrowserPage(QWebEngineProfile* profile, const PageServices& services, QObject* parent)
    : QWebEnginePage(profile, parent),
      services_(services),
      dialogs_(new ScriptDialogs(this)),
      documents_(new PageDocuments(this)),
      popups_(new PagePopups(this, services)),
      downloads_(new PageDownloads(this)),
      siteQuestions_(new SiteQuestions(this, services.permissions)),
      renderer_(new PageRenderer(this)),
      externalLinks_(new ExternalLinkOpener(this)),
      reader_(new PageReader(this)) {
  // Asked over the page, whether or not it may still show dialogs of its own: the question is
  // Corvane's.
  askOutside_ = [dialogs = QPointer<ScriptDialogs>(dialogs_)](const QString& question,
                                                              const QString& address,
                                                              std::function<void(bool)> answered) {
    return dialogs && dialogs->askOpenOutside(question, address, std::move(answered));
  };
  connect(this, &QWebEnginePage::newWindowRequested, this, &BrowserPage::onNewWindowRequested);
  connect(dialogs_, &ScriptDialogs::leaveAnswered, this, &BrowserPage::leaveAnswered);
  connect(documents_, &PageDocuments::created, this, &BrowserPage::onDocumentCreated);
  connect(documents_, &PageDocuments::parsed, this, &BrowserPage::mainDocumentParsed);
  connect(documents_, &PageDocuments::parsed, reader_, &PageReader::documentParsed);
  connect(documents_, &PageDocuments::loaded, this, &BrowserPage::mainDocumentLoaded);
  connect(documents_, &PageDocuments::userActed, downloads_, &PageDownloads::userActed);
  // A crashed page's strips speak of a document that is no more.
  connect(this, &QWebEnginePage::renderProcessTerminated, popups_, &PagePopups::documentGone);
  connect(this, &QWebEnginePage::renderProcessTerminated, downloads_,
          &PageDownloads::documentCreated);
  services_.dialogs.add(this);
}

void BrowserPage::onDocumentCreated(const QUrl& url) {
  // "For the rest of the page's life": a new document may ask again, and what the one before
  // asked is no longer asked; nor has the user acted in it yet.
  dialogs_->documentCreated();
  downloads_->documentCreated();
  popups_->documentGone();
  reader_->documentCreated();
  services_.dialogs.documentCreated();
  Q_EMIT mainDocumentCreated(url);
}

bool BrowserPage::inDialog() const { return dialogs_->inDialog(); }

bool BrowserPage::showsDocument(const QString& key, const QUrl& initiator) const {
  return documents_->showsDocument(key, initiator);
}

bool BrowserPage::downloadRequested(const QUrl& url, const QString& file) {
  return downloads_->requested(url, file);
}

void BrowserPage::askFromPage(DialogSheet::Kind kind, const QUrl& origin, const QString& message,
                              const QString& value,
                              std::function<void(std::optional<bool>, const QString&)> done,
                              QObject* request) {
  dialogs_->ask(kind, origin, message, value, std::move(done), request);
}

void BrowserPage::followView() {
  QWebEngineView* view = QWebEngineView::forPage(this);
  if (!view || !view->parentWidget()) return;
  dialogs_->followView(view);
  popups_->followView(view);
  downloads_->followView(view);
  renderer_->followView(view);
  reader_->followView(view);
}

void BrowserPage::onNewWindowRequested(QWebEngineNewWindowRequest& request) {
  const QUrl url = request.requestedUrl();
  // Corvane's own requests open nothing.
  if (ExternalLink::isOwnScheme(url.scheme().toLower().toStdString())) return;
  if (popups_->take(request)) return;
  // Loaded here, another program's address would not reach the question.
  if (leavesForDesktop(url)) return;
  // A script address would run in this pane's page rather than in a new one.
  if (!url.isValid() || url.isEmpty() || url.scheme() == QLatin1String("javascript")) return;
  if (newPageOpener_) {
    newPageOpener_(request);
  } else {
    load(url);
  }
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType) {
  // The engine asks here first, without saying who asked; declined, it asks again with that
  // (onNewWindowRequested).
  return nullptr;
}

bool BrowserPage::leavesForDesktop(const QUrl& url) {
  return externalLinks_->takes(url, askOutside_);
}

void BrowserPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg) {
  dialogs_->alert(securityOrigin, msg);
}

bool BrowserPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) {
  return dialogs_->confirm(securityOrigin, msg);
}

bool BrowserPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                   const QString& defaultValue, QString* result) {
  return dialogs_->prompt(securityOrigin, msg, defaultValue, result);
}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (type == NavigationTypeLinkClicked && isMainFrame && linkClickFilter_ &&
      linkClickFilter_(url)) {
    return false;
  }
  if (isMainFrame) downloads_->navigating(url, type);
  if (isMainFrame && (type == NavigationTypeTyped || type == NavigationTypeBackForward ||
                      type == NavigationTypeReload)) {
    dialogs_->userLeft();
  }
  // The engine would hand it to the desktop unasked. It comes here only after a user's click
  // or key; the engine drops a page's own attempts.
  if (leavesForDesktop(url)) return false;
  return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

}  // namespace corvane
