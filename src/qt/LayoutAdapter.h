#pragma once

#include <QRect>

#include "layout/ControlRect.h"
#include "layout/LayoutModel.h"

class QWidget;

namespace corvane {

// Shows a layout model on the real widgets: each control's geometry, visibility and, for the
// two splitter bars, background colour; the option buttons' selection and the "&Browsers"
// menu's check marks. Controls are found by objectName under the client widget, the menu
// actions by objectName under its window (which also gives the bars' colours); whatever is
// missing is skipped.
class LayoutAdapter {
 public:
  // client: the main window's central widget; not owned, must outlive the adapter.
  explicit LayoutAdapter(QWidget* client);
  LayoutAdapter(const LayoutAdapter&) = delete;
  LayoutAdapter& operator=(const LayoutAdapter&) = delete;

  // Applies the whole model; cheap enough to run after every handler.
  void apply(const LayoutModel& model);

 private:
  void applyGeometry(const LayoutModel& model, ControlId id, QWidget& widget);
  void applyBarColour(const LayoutModel& model, ControlId id, QWidget& widget);
  void applyStacking();
  void applySelection(const LayoutModel& model);
  // A rectangle in client twips to client pixels, edges snapped to whole pixels.
  QRect toPixels(const ControlRect& twips) const;
  QWidget* control(ControlId id) const;

  QWidget* client_;
};

}  // namespace corvane
