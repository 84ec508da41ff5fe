#include "qt/engine/WebEnginePageView.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>

#include "qt/engine/WebEngineBrowserControl.h"
#include "qt/page/BrowserPage.h"
#include "qt/page/DialogSheet.h"
#include "qt/platform/FreedMemory.h"

namespace corvane {

namespace {

QWebEnginePage::LifecycleState engineState(PageLifecycle state) {
  switch (state) {
    case PageLifecycle::Frozen:
      return QWebEnginePage::LifecycleState::Frozen;
    case PageLifecycle::Discarded:
      return QWebEnginePage::LifecycleState::Discarded;
    case PageLifecycle::Active:
      break;
  }
  return QWebEnginePage::LifecycleState::Active;
}

}  // namespace

WebEnginePageView::WebEnginePageView(QWidget* holder, QWebEngineView* view, BrowserPage* page,
                                     const QString& workingFolder)
    : holder_(holder),
      view_(view),
      control_(new WebEngineBrowserControl(view, page, workingFolder)) {}

WebEnginePageView::~WebEnginePageView() {
  if (!holder_) return;
  holder_->hide();
  // What lends the view its focus must not outlive it.
  for (QWidget* w = holder_->parentWidget(); w; w = w->parentWidget()) {
    if (w->focusProxy() == view_) w->setFocusProxy(nullptr);
  }
  // A question the page is waiting on would hold its event loop, and with it the page, open.
  for (DialogSheet* sheet : holder_->findChildren<DialogSheet*>()) sheet->cancel();
  // Later: the page may be the one whose call into Corvane this is.
  holder_->deleteLater();
  giveBackFreedMemorySoon();
}

BrowserPage* WebEnginePageView::page() const { return qobject_cast<BrowserPage*>(view_->page()); }

IBrowserControl& WebEnginePageView::Control() { return *control_; }

std::string WebEnginePageView::SaveHistory() const {
  QByteArray saved;
  QDataStream out(&saved, QIODevice::WriteOnly);
  out << *view_->history();
  return saved.toStdString();
}

bool WebEnginePageView::RestoreHistory(const std::string& saved) {
  const QByteArray bytes = QByteArray::fromStdString(saved);
  QDataStream in(bytes);
  in >> *view_->history();
  return in.status() == QDataStream::Ok && view_->history()->count() > 0;
}

PageHistory WebEnginePageView::History() const {
  PageHistory history;
  const QWebEngineHistory* engine = view_->history();
  for (const QWebEngineHistoryItem& item : engine->items()) {
    history.entries.push_back({item.url().toString().toStdString(), item.title().toStdString()});
  }
  history.current = history.entries.empty() ? -1 : engine->currentItemIndex();
  return history;
}

void WebEnginePageView::ClearHistory() { view_->history()->clear(); }

void WebEnginePageView::SetLifecycle(PageLifecycle state) {
  view_->page()->setLifecycleState(engineState(state));
}

}  // namespace corvane
