#pragma once

#include "platform/IPaneKeyTargets.h"

class QComboBox;
class QWebEngineView;

namespace corvane {

class FindBar;

// IPaneKeyTargets over one pane's widgets.
class QtPaneKeyTargets : public IPaneKeyTargets {
 public:
  QtPaneKeyTargets(QWebEngineView* view, QComboBox* address, FindBar* findBar)
      : view_(view), address_(address), findBar_(findBar) {}

  void OpenFind() override;
  void FindNext() override;
  void FocusAddress() override;
  void ReloadBypassingCache() override;

 private:
  QWebEngineView* view_;
  QComboBox* address_;
  FindBar* findBar_;
};

}  // namespace corvane
