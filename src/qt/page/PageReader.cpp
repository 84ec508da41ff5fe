#include "qt/page/PageReader.h"

#include <QWebEnginePage>
#include <QWebEngineView>

#include "qt/page/PageOverlay.h"
#include "qt/page/ReaderExtraction.h"
#include "qt/page/ReaderView.h"
#include "reader/ReaderLimits.h"

namespace corvane {

namespace {
// How long a loaded page stays quiet before its article is found ahead.
constexpr int kIdleMs = 250;
}  // namespace

PageReader::PageReader(QWebEnginePage* page)
    : QObject(page), page_(page), extraction_(new ReaderExtraction(page)) {
  idle_.setSingleShot(true);
  idle_.setInterval(kIdleMs);
  connect(&idle_, &QTimer::timeout, this, [this] { mode_.pageIdle(); });
  parsing_.setSingleShot(true);
  parsing_.setInterval(ReaderLimits().deadlineMs);
  connect(&parsing_, &QTimer::timeout, this, [this] { mode_.documentParsed(); });
  connect(page, &QWebEnginePage::loadStarted, &idle_, &QTimer::stop);
  connect(page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
    if (ok) idle_.start();
  });
  connect(page, &QWebEnginePage::urlChanged, this, [this] { mode_.addressChanged(); });
  connect(page, &QWebEnginePage::renderProcessTerminated, this, [this] { documentCreated(); });
  connect(extraction_, &ReaderExtraction::articleReady, this,
          [this](const ReaderArticle& article) { mode_.articleReady(article); });
  connect(extraction_, &ReaderExtraction::notAvailable, this, [this] { mode_.notAvailable(); });
}

PageReader::~PageReader() {
  // The view lies beside the page's view, not under the page.
  delete view_;
}

ReaderPart PageReader::focusedPart() const {
  return view_ ? view_->focusedPart() : ReaderPart::None;
}

bool PageReader::focusPart(ReaderPart part) { return view_ && view_->focusPart(part); }

QWidget* PageReader::view() const { return view_; }

void PageReader::documentCreated() {
  idle_.stop();
  mode_.documentChanged();
  if (mode_.awaitingDocument()) parsing_.start();
}

void PageReader::documentParsed() {
  parsing_.stop();
  mode_.documentParsed();
}

void PageReader::followView(QWebEngineView* view) {
  if (view_) view_->moveTo(view);
}

void PageReader::followZoom() {
  if (view_) view_->followZoom();
}

void PageReader::extract() { extraction_->start(); }

void PageReader::cancelExtraction() { extraction_->cancel(); }

ReaderView* PageReader::madeView() {
  if (view_) return view_;
  QWebEngineView* view = overlaidView(page_);
  if (!view) return nullptr;
  view_ = new ReaderView(view);
  connect(view_, &ReaderView::linkActivated, this,
          [this](const QString& address) { Q_EMIT linkActivated(QUrl(address)); });
  return view_;
}

void PageReader::prepareArticle(const std::shared_ptr<const ReaderArticle>& article) {
  if (ReaderView* view = madeView()) view->prepare(article);
}

void PageReader::showArticle(const std::shared_ptr<const ReaderArticle>& article) {
  if (ReaderView* view = madeView()) view->showArticle(article);
}

void PageReader::showPage() {
  if (view_) view_->showPage();
}

void PageReader::sayNotAvailable() { Q_EMIT notAvailable(); }

}  // namespace corvane
