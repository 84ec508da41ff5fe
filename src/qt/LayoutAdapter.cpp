#include "qt/LayoutAdapter.h"

#include <QAbstractButton>
#include <QAction>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "layout/ViewMode.h"

namespace corvane {

namespace {

constexpr double kTwipsPerInch = 1440.0;
// Keeps absurd twips values (the layout accepts any in the 32-bit range) inside what Qt takes.
constexpr double kMaxPixels = QWIDGETSIZE_MAX;

// One edge: snapping each edge rather than each size keeps adjacent controls free of gaps.
int toPixelEdge(double twips, int dpi) {
  const double px = std::nearbyint(twips * dpi / kTwipsPerInch);
  return static_cast<int>(std::clamp(px, -kMaxPixels, kMaxPixels));
}

// Puts upper above lower when they are siblings and upper is not above already.
void keepAbove(QWidget* upper, QWidget* lower) {
  if (!upper || !lower || upper->parentWidget() != lower->parentWidget()) return;
  const QObjectList& siblings = upper->parentWidget()->children();
  if (siblings.indexOf(upper) < siblings.indexOf(lower)) lower->stackUnder(upper);
}

}  // namespace

LayoutAdapter::LayoutAdapter(QWidget* client) : client_(client) {}

void LayoutAdapter::apply(const LayoutModel& model) {
  // Ids run containers first, so a strip is placed before the controls inside it.
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlId id = controlAt(i);
    QWidget* widget = control(id);
    if (!widget) continue;
    applyGeometry(model, id, *widget);
    if (id == ControlId::picSplit || id == ControlId::browserSplit) {
      applyBarColour(model, id, *widget);
    }
    widget->setVisible(model.visible(id));
  }
  applyStacking();
  applySelection(model);
}

void LayoutAdapter::applyGeometry(const LayoutModel& model, ControlId id, QWidget& widget) {
  ControlRect inClient = model.rect(id);
  if (auto container = containerOf(id)) {
    inClient.Left += model.rect(*container).Left;
    inClient.Top += model.rect(*container).Top;
  }
  QRect px = toPixels(inClient);
  // The widget may sit in its container or straight in the client area; either way its place
  // on screen is the same.
  QWidget* parent = widget.parentWidget();
  if (parent && parent != client_) px.moveTopLeft(parent->mapFrom(client_, px.topLeft()));
  if (widget.geometry() != px) widget.setGeometry(px);
}

void LayoutAdapter::applyBarColour(const LayoutModel& model, ControlId id, QWidget& widget) {
  const QPalette::ColorRole role =
      model.backColour(id) == BarColour::Highlight ? QPalette::Highlight : QPalette::Window;
  const QColor colour = client_->window()->palette().color(role);
  QPalette palette = widget.palette();
  if (palette.color(QPalette::Window) != colour) {
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
  }
  widget.setAutoFillBackground(true);
}

void LayoutAdapter::applyStacking() {
  // The bottom strip reaches over the bottom toolbar's row, the top address box lies over the
  // top strip, and the pane splitter overlaps the bottom browser by 5 twips: the smaller
  // control stays on top in each case.
  keepAbove(control(ControlId::tbToolBar2), control(ControlId::picAddress2));
  keepAbove(control(ControlId::cboAddress1), control(ControlId::picAddress1));
  keepAbove(control(ControlId::browserSplit), control(ControlId::brwWebBrowser2));
}

void LayoutAdapter::applySelection(const LayoutModel& model) {
  constexpr ViewMode kModes[] = {ViewMode::Both, ViewMode::Top, ViewMode::Bottom};
  // The selected button first: exclusive buttons refuse to uncheck the checked one.
  if (auto* selected = qobject_cast<QAbstractButton*>(control(optionButton(model.viewMode())))) {
    selected->setChecked(true);
  }
  for (ViewMode mode : kModes) {
    if (auto* button = qobject_cast<QAbstractButton*>(control(optionButton(mode)))) {
      if (mode != model.viewMode()) button->setChecked(false);
    }
    auto* item = client_->window()->findChild<QAction*>(QString::fromLatin1(menuItemName(mode)));
    if (item) {
      item->setCheckable(true);
      item->setChecked(model.menuChecked(mode));
    }
  }
}

QRect LayoutAdapter::toPixels(const ControlRect& twips) const {
  const int dpiX = client_->logicalDpiX();
  const int dpiY = client_->logicalDpiY();
  const int left = toPixelEdge(twips.Left, dpiX);
  const int top = toPixelEdge(twips.Top, dpiY);
  const int right = toPixelEdge(static_cast<double>(twips.Left) + twips.Width, dpiX);
  const int bottom = toPixelEdge(static_cast<double>(twips.Top) + twips.Height, dpiY);
  return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QWidget* LayoutAdapter::control(ControlId id) const {
  return client_->findChild<QWidget*>(QString::fromLatin1(controlName(id)));
}

}  // namespace corvane
