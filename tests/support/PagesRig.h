#pragma once

#include <string>

#include "FakeAddressBox.h"
#include "FakePageTabs.h"
#include "FakePageViews.h"
#include "FakeProgressBar.h"
#include "FakeStatusLine.h"
#include "FakeSteadyClock.h"
#include "FakeTimer.h"
#include "FakeToolbar.h"
#include "RecordingVisits.h"
#include "browser/AddressSearch.h"
#include "panes/Pane.h"
#include "panes/PaneController.h"
#include "panes/PanePages.h"
#include "panes/ShownPageBrowser.h"

namespace corvane {

// One pane that holds pages, over fakes: its controls, the pane and its controller over the
// control of the page shown, its page views and its tab strip.
struct PagesRig {
  explicit PagesRig(const ISteadyClock& clock, PaneId id = PaneId::Top)
      : pane(id, browser, box, label, bar, timer, toolbar),
        controller(pane, search, visits),
        pages(controller, browser, views, tabs, clock) {}

  // The view of the page at index; it must have one.
  FakePageView& view(int index) { return FakePageViews::fake(*pages.ViewAt(index)); }
  FakePageView& shown() { return view(pages.Shown()); }

  ShownPageBrowser browser;
  FakeAddressBox box;
  FakeStatusLine label;
  FakeProgressBar bar;
  FakeTimer timer{5};
  FakeToolbar toolbar;
  AddressSearch search{{"/home/ann", "", {}, ""}, [] { return std::string(); }};
  RecordingVisits visits;
  Pane pane;
  PaneController controller;
  FakePageViews views;
  FakePageTabs tabs;
  PanePages pages;
};

// Both panes holding pages, on one clock.
struct BothPanesRig {
  FakeSteadyClock clock;
  PagesRig top{clock, PaneId::Top};
  PagesRig bottom{clock, PaneId::Bottom};
};

}  // namespace corvane
