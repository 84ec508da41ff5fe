#pragma once

#include <QRect>

#include <array>
#include <optional>

#include "layout/ControlRect.h"
#include "layout/Layout.h"
#include "layout/LayoutModel.h"

class QWidget;

namespace corvane {

// Shows a layout on the real widgets: each control's geometry, visibility and, for the two
// splitter bars, background colour, and which option button is selected. The widgets are found
// by objectName under the client widget once, when the adapter is built; a missing one is a
// programming error and throws. Only what changed since the last apply reaches a widget, so a
// widget shown, hidden or moved elsewhere keeps that until the layout itself changes it again.
class LayoutAdapter {
 public:
  // client: the main window's central widget; not owned, must outlive the adapter.
  explicit LayoutAdapter(QWidget* client);
  LayoutAdapter(const LayoutAdapter&) = delete;
  LayoutAdapter& operator=(const LayoutAdapter&) = delete;

  void apply(const Layout& layout);

 private:
  struct Shown {
    QRect geometry;
    bool visible = false;
    BarColour colour = BarColour::Window;
  };

  QRect geometryOf(const LayoutModel& model, ControlId id, const QWidget& widget) const;
  void applyBarColour(BarColour colour, QWidget& widget);
  void applyStacking();
  void applySelection(ViewMode mode);
  // A rectangle in client twips to client pixels, edges snapped to whole pixels.
  QRect toPixels(const ControlRect& twips) const;
  QWidget* control(ControlId id) const { return widgets_[indexOf(id)]; }

  QWidget* client_;
  std::array<QWidget*, kControlCount> widgets_{};
  std::array<std::optional<Shown>, kControlCount> shown_{};
  std::optional<ViewMode> shownMode_;
};

}  // namespace corvane
