#include "qt/pane/AccessiblePageFocus.h"

#include <QAccessible>
#include <QApplication>
#include <QWebEngineView>

#include <utility>

namespace corvane {

AccessiblePageFocus::AccessiblePageFocus(QWidget* window, const PaneWindows& panes,
                                         std::function<void(PaneId)> onPageFocused)
    : QObject(window), window_(window), panes_(panes), onPageFocused_(std::move(onPageFocused)) {
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (!now || now->window() != window_ || !QAccessible::isActive()) return;
    const auto page = panes_.pageOf(now);
    if (!page || panes_.pageOf(old) == page) return;
    // After the toolkit's own report of the focus widget, which a reader then overrides.
    QMetaObject::invokeMethod(
        this, [this, pane = *page] { announce(pane); }, Qt::QueuedConnection);
  });
}

void AccessiblePageFocus::announce(PaneId pane) {
  QWebEngineView* view = panes_.view(pane);
  if (!view->hasFocus() && !view->isAncestorOf(QApplication::focusWidget())) return;
  onPageFocused_(pane);
  QAccessibleInterface* place = QAccessible::queryAccessibleInterface(view);
  // The engine's document, once its page has one.
  QAccessibleInterface* document = place ? place->child(0) : nullptr;
  if (!document) return;
  QAccessibleEvent focused(document, QAccessible::Focus);
  QAccessible::updateAccessibility(&focused);
}

}  // namespace corvane
