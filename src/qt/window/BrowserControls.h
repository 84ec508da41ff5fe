#pragma once

#include <QList>

#include <array>
#include <functional>

#include "panes/Pane.h"
#include "qt/pane/PaneSlots.h"
#include "qt/pane/PaneWidgets.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QWidget;

namespace corvane {

class SplitterBar;

// Every control of the main window's client area, each named as the layout knows it: the
// window's own, and each pane's. The window's layout places them; nothing here sizes anything.
struct BrowserControls {
  QRadioButton* OptionBoth;
  QRadioButton* OptionTop;
  QRadioButton* OptionBottom;
  QGroupBox* frmFav;
  QPushButton* cmdFavCloseX;
  QPushButton* cmdAddFav;
  QPushButton* cmdOrganizeFav;
  QTreeWidget* tvw;
  SplitterBar* picSplit;
  SplitterBar* browserSplit;
  // Indexed by the pane, the top one first.
  std::array<PaneWidgets, 2> panes;

  const PaneWidgets& pane(PaneId id) const { return panes[paneSlot(id)]; }

  // Creates the controls as children of `client`, stacked as a user sees them.
  static BrowserControls create(QWidget* client);

  // The controls Tab visits, in the order the window reads, top to bottom: the top toolbar, the
  // view options, the top address, the favorites column, the top page and what belongs to it
  // (`pageStops`: its tabs, its page, its find bar), the pane splitter, the bottom page and
  // what belongs to it, the bottom address, the bottom toolbar. Hidden, disabled and unselected
  // option buttons are left out.
  QList<QWidget*> tabStops(const std::function<QList<QWidget*>(PaneId)>& pageStops) const;
};

}  // namespace corvane
