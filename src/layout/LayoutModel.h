#pragma once

#include <array>

#include "layout/BarColour.h"
#include "layout/ControlId.h"
#include "layout/ControlRect.h"
#include "layout/LayoutFields.h"

namespace corvane {

// The main window's geometry: every control's rectangle and visibility, the splitter bars'
// colours and the layout fields. It starts as designed: the designed rectangles, and every
// control visible but the favorites column (frmFav, tvw, picSplit). The view mode (the selected
// option button) and the menus' check marks are kept apart from it.
//
// The rectangle setters behave like the controls: a value a control rejects (a negative Width
// or Height, a value that is not finite or does not fit) is not applied, the control keeps its
// previous value and the setter returns false.
class LayoutModel {
 public:
  LayoutModel();

  const ControlRect& rect(ControlId id) const { return rects_[indexOf(id)]; }
  bool setLeft(ControlId id, float value);
  bool setTop(ControlId id, float value);
  bool setWidth(ControlId id, float value);
  bool setHeight(ControlId id, float value);
  // Places the whole rectangle, or nothing of it when any of its values is rejected.
  bool setRect(ControlId id, const ControlRect& rect);

  // The control's own visibility; a control inside a hidden container is not seen either way.
  bool visible(ControlId id) const { return visible_[indexOf(id)]; }
  void setVisible(ControlId id, bool visible) { visible_[indexOf(id)] = visible; }

  // Meaningful for the two splitter bars, picSplit and browserSplit.
  BarColour backColour(ControlId id) const { return colours_[indexOf(id)]; }
  void setBackColour(ControlId id, BarColour colour) { colours_[indexOf(id)] = colour; }

  const LayoutFields& fields() const { return fields_; }
  LayoutFields& fields() { return fields_; }

  // The tick of "View Favorites": whether the favorites column takes part in the layout.
  bool FavoritesShown() const { return favoritesShown_; }
  void setFavoritesShown(bool shown) { favoritesShown_ = shown; }

  // From a press on the favorites splitter until the next release on it.
  bool FavoritesDragging() const { return favoritesDragging_; }
  void setFavoritesDragging(bool dragging) { favoritesDragging_ = dragging; }

 private:
  std::array<ControlRect, kControlCount> rects_;
  std::array<bool, kControlCount> visible_;
  std::array<BarColour, kControlCount> colours_;
  LayoutFields fields_;
  bool favoritesShown_ = false;
  bool favoritesDragging_ = false;
};

}  // namespace corvane
