#pragma once

#include <memory>

#include "platform/IPageView.h"

namespace corvane {

// Where one pane's page views live: the rectangle the layout gives the pane's browser shows one
// of them at a time.
class IPageViews {
 public:
  IPageViews() = default;
  IPageViews(const IPageViews&) = delete;
  IPageViews& operator=(const IPageViews&) = delete;
  virtual ~IPageViews() = default;

  // A new blank view in this pane, not shown yet.
  virtual std::unique_ptr<IPageView> CreatePageView() = 0;
  // Shows this view, one of the pane's, in the pane's rectangle instead of the one shown.
  virtual void ShowPageView(IPageView& view) = 0;
  // A view of the other pane's becomes this pane's, its page and history as they are.
  virtual void AdoptPageView(IPageView& view) = 0;
  // The keyboard focus goes to the pane's address box.
  virtual void FocusAddressBox() = 0;
};

}  // namespace corvane
