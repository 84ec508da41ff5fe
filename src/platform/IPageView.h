#pragma once

#include <string>

#include "platform/IBrowserControl.h"
#include "platform/PageHistory.h"

namespace corvane {

// How much of a page the engine keeps running: a hidden page is frozen after a while, and later
// discarded (its memory given back; it reloads when made active again).
enum class PageLifecycle { Active, Frozen, Discarded };

// One page of a pane: its browser view, made by the pane's IPageViews. Whoever holds it owns the
// view: destroying this destroys the view and its page.
class IPageView {
 public:
  IPageView() = default;
  IPageView(const IPageView&) = delete;
  IPageView& operator=(const IPageView&) = delete;
  virtual ~IPageView() = default;

  // The page's browser control; it lives as long as this view.
  virtual IBrowserControl& Control() = 0;
  // The engine's own record of the page's history, as bytes that only the engine reads back.
  virtual std::string SaveHistory() const = 0;
  // Puts a record made by SaveHistory back and loads its current entry; false when refused.
  virtual bool RestoreHistory(const std::string& saved) = 0;
  // The page's back/forward entries.
  virtual PageHistory History() const = 0;
  // Forgets the entries before and after the current one.
  virtual void ClearHistory() = 0;
  // Runs or freezes the page; only a page that is not shown is frozen. (A page is discarded by
  // giving up its view: the engine's own discarding keeps the view and much of its memory.)
  virtual void SetLifecycle(PageLifecycle state) = 0;
};

}  // namespace corvane
