#pragma once

#include <string>

namespace corvane {

// The strip of page tabs above one pane's page: one tab per page, in the pages' order. For
// screen readers it is a page tab list, each tab named by its title.
class IPageTabs {
 public:
  IPageTabs() = default;
  IPageTabs(const IPageTabs&) = delete;
  IPageTabs& operator=(const IPageTabs&) = delete;
  virtual ~IPageTabs() = default;

  // A tab for a new page at index; the tabs from there on move one along.
  virtual void InsertTab(int index, const std::string& title) = 0;
  virtual void RemoveTab(int index) = 0;
  virtual void SetTabTitle(int index, const std::string& title) = 0;
  // The page is loading (the tab shows it is busy).
  virtual void SetTabLoading(int index, bool loading) = 0;
  // Something on the page waits for the user (a dialog of a page not shown).
  virtual void SetTabMarked(int index, bool marked) = 0;
  // The tab of the page the pane shows.
  virtual void SetCurrentTab(int index) = 0;
  // Shows or hides the strip; hidden, the page has the pane's whole rectangle.
  virtual void SetStripVisible(bool visible) = 0;
};

}  // namespace corvane
