#pragma once

#include <functional>
#include <utility>

#include "platform/IPaneKeyTargets.h"

class QComboBox;
class QWebEngineView;

namespace corvane {

class FindBar;

// IPaneKeyTargets over one pane's widgets.
class QtPaneKeyTargets : public IPaneKeyTargets {
 public:
  // shownView: the view of the page the pane shows.
  QtPaneKeyTargets(std::function<QWebEngineView*()> shownView, QComboBox* address, FindBar* findBar)
      : shownView_(std::move(shownView)), address_(address), findBar_(findBar) {}

  void OpenFind() override;
  void FindNext() override;
  void FocusAddress() override;
  void ReloadBypassingCache() override;

 private:
  std::function<QWebEngineView*()> shownView_;
  QComboBox* address_;
  FindBar* findBar_;
};

}  // namespace corvane
