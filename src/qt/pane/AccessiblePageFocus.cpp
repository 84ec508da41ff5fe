#include "qt/pane/AccessiblePageFocus.h"

#include <QAccessible>
#include <QApplication>
#include <QWebEngineView>

#include <utility>

#include "qt/platform/AccessibleEvents.h"
#include "qt/platform/AccessibleStateChange.h"

namespace corvane {

namespace {

// How often, and how many times at most, a page that has just taken the focus is looked at until
// the engine has reported where in it the focus went.
constexpr int kSettleMs = 20;
constexpr int kSettleLooks = 50;

// The engine's document of the view's page, once its page has one.
QAccessibleInterface* documentOf(QWebEngineView* view) {
  QAccessibleInterface* place = QAccessible::queryAccessibleInterface(view);
  return place ? place->child(0) : nullptr;
}

void sayFocused(QAccessibleInterface* object) {
  QAccessibleEvent focused(object, QAccessible::Focus);
  QAccessible::updateAccessibility(&focused);
}

}  // namespace

AccessiblePageFocus::AccessiblePageFocus(QWidget* window, const PaneWindows& panes,
                                         std::function<void(PaneId)> onPageFocused)
    : QObject(window), window_(window), panes_(panes), onPageFocused_(std::move(onPageFocused)) {
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (!now || now->window() != window_ || !QAccessible::isActive()) return;
    const auto page = panes_.pageOf(now);
    QWebEngineView* view = page ? PaneWindows::viewOf(now) : nullptr;
    if (PaneWindows::viewOf(old) == view && panes_.pageOf(old) == page) return;
    unfocusOtherDocuments(view);
    if (!page || panes_.pageOf(old) == page) return;
    // After the toolkit's own report of the focus widget, which a reader then overrides.
    QMetaObject::invokeMethod(
        this, [this, pane = *page] { announce(pane); }, Qt::QueuedConnection);
  });
  for (PaneId pane : {PaneId::Top, PaneId::Bottom}) {
    for (QWebEngineView* view : panes_[pane].pageViews()) watch(view);
    connect(&panes_[pane], &PaneWindow::pageViewAdded, this, &AccessiblePageFocus::watch);
  }
  heard_ = AccessibleEvents::addListener([this](QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus) focusReported(event->accessibleInterface());
  });
  settle_.setInterval(kSettleMs);
  connect(&settle_, &QTimer::timeout, this, &AccessiblePageFocus::lookAgain);
}

AccessiblePageFocus::~AccessiblePageFocus() { AccessibleEvents::remove(heard_); }

void AccessiblePageFocus::focusReported(QAccessibleInterface* object) {
  if (!object) return;
  for (PaneId pane : {PaneId::Top, PaneId::Bottom}) {
    if (!holdsFocus(pane) || documentOf(panes_.view(pane)) != object) continue;
    // Coming back to a page whose element kept the engine's focus, the engine names that
    // element and then its document: a reader would stay on the document. What holds the focus
    // is said last.
    QAccessibleInterface* focus = object->focusChild();
    if (focus && focus != object && focus->state().focused) sayFocused(focus);
  }
}

void AccessiblePageFocus::watch(QWebEngineView* view) {
  // A page's new document comes focused.
  connect(view, &QWebEngineView::loadFinished, this, [this] {
    if (!QAccessible::isActive()) return;
    QWidget* focus = QApplication::focusWidget();
    unfocusOtherDocuments(panes_.pageOf(focus) ? PaneWindows::viewOf(focus) : nullptr);
  });
}

bool AccessiblePageFocus::holdsFocus(PaneId pane) const {
  QWebEngineView* view = panes_.view(pane);
  return view->hasFocus() || view->isAncestorOf(QApplication::focusWidget());
}

void AccessiblePageFocus::announce(PaneId pane) {
  if (!holdsFocus(pane)) return;
  onPageFocused_(pane);
  QAccessibleInterface* document = documentOf(panes_.view(pane));
  if (document && document->state().focused) sayFocused(document);
  settling_ = pane;
  looks_ = 0;
  settle_.start();
}

void AccessiblePageFocus::lookAgain() {
  if (!holdsFocus(settling_)) {
    settle_.stop();
    return;
  }
  QAccessibleInterface* document = documentOf(panes_.view(settling_));
  if (!document || document->state().focused) {
    if (++looks_ >= kSettleLooks) settle_.stop();
    return;
  }
  settle_.stop();
  // The focus went on into the page (Tab reaches its first link), and the engine may have said
  // its document focused after it: what holds the focus now is said last.
  if (QAccessibleInterface* focus = document->focusChild()) sayFocused(focus);
}

void AccessiblePageFocus::unfocusOtherDocuments(const QWebEngineView* focused) {
  for (PaneId pane : {PaneId::Top, PaneId::Bottom}) {
    for (QWebEngineView* view : panes_[pane].pageViews()) {
      if (view == focused) continue;
      QAccessibleInterface* document = documentOf(view);
      if (document && document->state().focused) {
        sendAccessibleStateChange(document, QStringLiteral("focused"), false);
      }
    }
  }
}

}  // namespace corvane
