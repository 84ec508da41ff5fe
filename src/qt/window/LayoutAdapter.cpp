#include "qt/window/LayoutAdapter.h"

#include <QAbstractButton>
#include <QPalette>
#include <QSignalBlocker>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <stdexcept>

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
  if (upper->parentWidget() != lower->parentWidget()) return;
  const QObjectList& siblings = upper->parentWidget()->children();
  if (siblings.indexOf(upper) < siblings.indexOf(lower)) lower->stackUnder(upper);
}

}  // namespace

LayoutAdapter::LayoutAdapter(QWidget* client) : client_(client) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const char* name = controlName(controlAt(i));
    widgets_[i] = client_->findChild<QWidget*>(QString::fromLatin1(name));
    if (!widgets_[i]) throw std::logic_error(std::string("the window has no control ") + name);
  }
  applyStacking();
}

void LayoutAdapter::apply(const Layout& layout) {
  const LayoutModel& model = layout.model();
  // Ids run containers first, so a strip is placed before the controls inside it.
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlId id = controlAt(i);
    QWidget& widget = *widgets_[i];
    Shown now{geometryOf(model, id, widget), model.visible(id), model.backColour(id)};
    std::optional<Shown>& before = shown_[i];
    if (!before || before->geometry != now.geometry) widget.setGeometry(now.geometry);
    if ((id == ControlId::picSplit || id == ControlId::browserSplit) &&
        (!before || before->colour != now.colour)) {
      applyBarColour(now.colour, widget);
    }
    if (!before || before->visible != now.visible) widget.setVisible(now.visible);
    before = now;
  }
  if (shownMode_ != layout.viewMode()) applySelection(layout.viewMode());
}

QRect LayoutAdapter::geometryOf(const LayoutModel& model, ControlId id,
                                const QWidget& widget) const {
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
  return px;
}

void LayoutAdapter::applyBarColour(BarColour colour, QWidget& widget) {
  const QPalette::ColorRole role =
      colour == BarColour::Highlight ? QPalette::Highlight : QPalette::Window;
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, client_->window()->palette().color(role));
  widget.setPalette(palette);
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

void LayoutAdapter::applySelection(ViewMode mode) {
  // Showing the selection is not a user's choice: it must not run an option's handler.
  for (ViewMode each : {ViewMode::Both, ViewMode::Top, ViewMode::Bottom}) {
    auto* button = qobject_cast<QAbstractButton*>(control(optionButton(each)));
    if (!button) continue;
    const QSignalBlocker block(button);
    // The selected button first would be needed with exclusive buttons; setting each to its
    // state with the group's exclusivity lifted avoids an order dependency.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(each == mode);
    button->setAutoExclusive(exclusive);
  }
  shownMode_ = mode;
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

}  // namespace corvane
