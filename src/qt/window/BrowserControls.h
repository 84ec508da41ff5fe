#pragma once

#include <QList>

class QComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QWebEngineView;
class QWidget;

namespace corvane {

class PaneToolbar;
class SplitterBar;
class StatusLabel;

// Every control of the main window's client area, each named as the layout knows it. The
// window's layout places them; nothing here sizes anything.
struct BrowserControls {
  PaneToolbar* tbToolBar1;
  QRadioButton* OptionBoth;
  QRadioButton* OptionTop;
  QRadioButton* OptionBottom;
  StatusLabel* Label1;
  QProgressBar* ProgressBar1;
  QWidget* picAddress1;
  QLabel* lblAddress1;
  QComboBox* cboAddress1;
  QGroupBox* frmFav;
  QPushButton* cmdFavCloseX;
  QPushButton* cmdAddFav;
  QPushButton* cmdOrganizeFav;
  QTreeWidget* tvw;
  SplitterBar* picSplit;
  QWebEngineView* brwWebBrowser1;
  SplitterBar* browserSplit;
  QWebEngineView* brwWebBrowser2;
  QWidget* picAddress2;
  QComboBox* cboAddress2;
  QProgressBar* ProgressBar2;
  StatusLabel* Label2;
  QLabel* lblAddress2;
  PaneToolbar* tbToolBar2;

  // Creates the controls as children of `client`, stacked as a user sees them.
  static BrowserControls create(QWidget* client);

  // The controls Tab visits, in the order the window reads, top to bottom: the top toolbar, the
  // view options, the top address, the favorites column, the top page and what belongs to it
  // (its find bar), the pane splitter, the bottom page and its find bar, the bottom address, the
  // bottom toolbar. Hidden, disabled and unselected option buttons are left out.
  QList<QWidget*> tabStops(QWidget* topPageExtras, QWidget* bottomPageExtras) const;
};

}  // namespace corvane
