#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "panes/ClosedPages.h"
#include "panes/PageSnapshot.h"
#include "panes/PaneController.h"
#include "panes/PanePage.h"
#include "panes/ShownPageBrowser.h"
#include "platform/IPageTabs.h"
#include "platform/IPageViews.h"
#include "platform/ISteadyClock.h"

namespace corvane {

// Where a page opened from a link goes: behind the page shown, which stays shown, or in front.
enum class PageOpening { Behind, InFront };
// Who loads a page opened from a link: the pane, or the engine (into the view it is handed).
enum class PageLoad { Navigate, ByEngine };

// The pages of one pane, in the order of their tabs, and the one the pane shows. The pane's
// controls follow the page shown: its box, status line, progress bar, status poll, Back and
// Forward and folder view are that page's, and only its events reach them (the pane's browser
// control is a ShownPageBrowser). A page not shown keeps all that to itself, and its events
// change only what it keeps and its tab. The pane's list of earlier addresses is the pane's.
//
// A pane always holds a page: closing its last one leaves it on a new blank page.
class PanePages {
 public:
  // pane's browser control must be browser. The first page is a blank one, shown.
  PanePages(PaneController& pane, ShownPageBrowser& browser, IPageViews& views, IPageTabs& tabs,
            const ISteadyClock& clock);
  ~PanePages();
  PanePages(const PanePages&) = delete;
  PanePages& operator=(const PanePages&) = delete;

  PaneId id() const { return pane_.pane().id; }
  int Count() const { return static_cast<int>(pages_.size()); }
  int Shown() const { return shown_; }
  // The page's view; nullptr for a page that waits to be shown (restored, reopened, discarded).
  IPageView* ViewAt(int index) const;
  std::optional<int> IndexOf(const IPageView& view) const;
  std::string TitleAt(int index) const;

  // A page for a link, after the page shown and after the pages opened from it before it was
  // left. Its box names the address until the page arrives; the pane goes there, unless the
  // engine loads it into the view returned (an empty address: the engine alone knows it).
  IPageView& OpenLinkedPage(const std::string& address, PageOpening how,
                            PageLoad load = PageLoad::Navigate);
  // A new blank page at the end, shown, with the focus in the address box.
  IPageView& NewPage();
  // The page closed last comes back where it was, with its history, and shows. False when
  // there is none.
  bool ReopenClosedPage();
  // Closes a page; it can be reopened. The page shown next is the one that opened it in front,
  // if nothing else was shown meanwhile, else its right neighbour, else its left one.
  void ClosePage(int index);

  // Shows a page; announced to screen readers ("Page 2 of 3, <title>").
  void ShowPage(int index);
  // The next and the previous page, round from the last to the first and back.
  void ShowNextPage();
  void ShowPreviousPage();
  // Pages 1 to 8 by their place, 9 the last one; a place with no page does nothing.
  void ShowPageNumber(int number);

  // The strip shows with more than one page, or always.
  void SetStripAlways(bool always);
  // Marks the page's tab while something on it waits for the user.
  void SetPageMarked(const IPageView& view, bool marked);

  // What the session keeps of the pane's pages.
  PaneSnapshot Snapshot() const;
  // Adds the pages of a snapshot after the pane's own and shows the one it showed; only that one
  // loads now, the others when first shown. A pane that held only one page gives it up: it
  // goes to the closed pages.
  void Restore(const PaneSnapshot& snapshot);
  // Forgets every page's back and forward entries and the closed pages.
  void ForgetHistory();
  // Told whenever the pages, their order, their addresses or titles, or the page shown change.
  void SetOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

  // The page's lifecycle; only a live page that the pane does not show, and that waits for
  // nothing from the user, is frozen or discarded (then it gives up its view).
  std::optional<std::chrono::steady_clock::time_point> HiddenSince(int index) const;
  PageLifecycle LifecycleAt(int index) const;
  void SetLifecycle(int index, PageLifecycle state);

  // Takes a page out, to go to the other pane with its view and history, and without a reload.
  std::unique_ptr<PanePage> TakePage(int index);
  // Puts a page taken from the other pane at index, and shows it.
  void InsertPage(std::unique_ptr<PanePage> page, int index);
  // The panes change places: each takes the other's pages, their tabs and closed pages. What
  // the panes show of their pages moves with SwapPaneState.
  void SwapPagesWith(PanePages& other);

 private:
  void insert(std::unique_ptr<PanePage> page, int index);
  std::unique_ptr<PanePage> remove(int index);
  // Shows a page: the page left keeps what the pane showed of it, the page shown gives the
  // pane its own; a page shown for the first time gets its view and loads. False, and nothing
  // changed, when it can have no view.
  bool show(int index);
  void announceShown();
  void adopt(PanePage& page);
  int indexOf(const PanePage* page) const;
  std::unique_ptr<PanePage> blankPage();
  PanePage::EventHandler handler();
  void pageEvent(PanePage& page, PageEvent event);
  void updateStrip();
  void changed();

  PaneController& pane_;
  ShownPageBrowser& browser_;
  IPageViews& views_;
  IPageTabs& tabs_;
  const ISteadyClock& clock_;
  std::vector<std::unique_ptr<PanePage>> pages_;
  int shown_ = -1;
  ClosedPages closed_;
  bool stripAlways_ = false;
  // The last page opened behind the shown one: the next goes after it.
  const PanePage* lastOpened_ = nullptr;
  // The page that opened the shown one in front; closing the shown one goes back to it.
  const PanePage* opener_ = nullptr;
  std::function<void()> onChanged_;
};

}  // namespace corvane
