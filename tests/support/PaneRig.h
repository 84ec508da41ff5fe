#pragma once

#include <string>

#include "FakeAddressBox.h"
#include "FakeBrowserControl.h"
#include "FakeProgressBar.h"
#include "FakeStatusLine.h"
#include "FakeTimer.h"
#include "FakeToolbar.h"
#include "RecordingVisits.h"
#include "browser/AddressSearch.h"
#include "panes/Pane.h"
#include "panes/PaneController.h"

namespace corvane {

// One pane over fakes: its controls, the pane record over them and the pane's controller, which
// listens to the fake control and timer for as long as the rig lives.
struct PaneRig {
  explicit PaneRig(PaneId id = PaneId::Top)
      : pane(id, browser, box, label, bar, timer, toolbar), controller(pane, search, visits) {}

  // Where words typed into the box are searched.
  static constexpr const char* kSearchTemplate = "https://search.test/?q=%s";

  // The control reports that a navigation reached url, showing a page titled title.
  void completeNavigation(const std::string& url, const std::string& title) {
    browser.setLocationURL(url);
    browser.setLocationName(title);
    browser.eventSink()->NavigateComplete2();
  }

  FakeBrowserControl browser;
  FakeAddressBox box;
  FakeStatusLine label;
  FakeProgressBar bar;
  FakeTimer timer{5};
  FakeToolbar toolbar;
  AddressSearch search{{"/home/ann", "", {}, ""}, [] { return kSearchTemplate; }};
  RecordingVisits visits;
  Pane pane;
  PaneController controller;
  PaneNavigation& nav = controller.navigation();
};

}  // namespace corvane
