#include "qt/pane/QtReaderView.h"

#include <QWebEngineView>

#include "qt/page/BrowserPage.h"
#include "qt/page/PageReader.h"

namespace corvane {

PageReader* QtReaderView::reader() const {
  QWebEngineView* view = view_();
  auto* page = view ? qobject_cast<BrowserPage*>(view->page()) : nullptr;
  return page ? &page->reader() : nullptr;
}

bool QtReaderView::Shown() const { return reader() && reader()->shown(); }

void QtReaderView::Toggle() {
  if (PageReader* page = reader()) page->toggle();
}

void QtReaderView::Leave() {
  if (PageReader* page = reader()) page->leave();
}

ReaderPart QtReaderView::FocusedPart() const {
  return reader() ? reader()->focusedPart() : ReaderPart::None;
}

bool QtReaderView::FocusPart(ReaderPart part) { return reader() && reader()->focusPart(part); }

QWidget* QtReaderView::widget() const { return reader() ? reader()->view() : nullptr; }

}  // namespace corvane
