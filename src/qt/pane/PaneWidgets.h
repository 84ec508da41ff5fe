#pragma once

class QComboBox;
class QLabel;
class QProgressBar;
class QWidget;

namespace corvane {

class PaneBrowser;
class PaneToolbar;
class StatusLabel;

// One pane's controls, each as the layout knows it with the pane's digit (brwWebBrowser1,
// cboAddress2, ...). The window makes and places them; the pane's PaneWindow drives them.
struct PaneWidgets {
  PaneBrowser* brwWebBrowser = nullptr;
  PaneToolbar* tbToolBar = nullptr;
  QWidget* picAddress = nullptr;
  QLabel* lblAddress = nullptr;
  QComboBox* cboAddress = nullptr;
  StatusLabel* Label = nullptr;
  QProgressBar* ProgressBar = nullptr;
};

}  // namespace corvane
