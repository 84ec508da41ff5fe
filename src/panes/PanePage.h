#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "panes/PageControl.h"
#include "panes/PageSnapshot.h"
#include "panes/Pane.h"
#include "panes/PaneController.h"
#include "panes/ParkedPaneControls.h"
#include "platform/IPageView.h"

namespace corvane {

// One page of a pane. A page is live once it has its view. A page brought back from the session,
// reopened or discarded waits without one until its pane shows it, so that such a page costs no
// more than its tab until it is wanted.
//
// A live page has a pane of its own over ParkedPaneControls, with its own controller: while its
// pane shows another page, its events go there, by the same rules that would write the pane's
// controls, and its pane takes that state over when it shows the page again.
class PanePage {
 public:
  using EventHandler = std::function<void(PanePage&, PageEvent)>;

  // A page that waits for its view; snapshot says what it will load. Its words are searched and
  // its visits reported as `like`'s.
  PanePage(PaneId pane, const PaneNavigation& like, PageSnapshot snapshot);
  // A live page with a new view.
  PanePage(PaneId pane, const PaneNavigation& like, std::unique_ptr<IPageView> view);
  ~PanePage();
  PanePage(const PanePage&) = delete;
  PanePage& operator=(const PanePage&) = delete;

  // Who hears of the page's events, and for which pane; set again when the page changes panes.
  void SetOwner(PaneId pane, EventHandler onEvent);

  bool live() const { return live_ != nullptr; }
  // Gives a waiting page its view; the parked address box names where it will go.
  void MakeLive(std::unique_ptr<IPageView> view);
  // A page that has just been given its view loads what it waited with: its history when the
  // engine takes it back, else its address. Does nothing for any other page.
  void StartLoading();

  // Nullptr while the page waits for its view.
  IPageView* view() const;
  PageControl* control() const;
  // The controller of what the page keeps while its pane shows another page.
  PaneController* parked() const;

  // The page's address, title and history, for the session or its reopening.
  PageSnapshot Snapshot() const;
  // Forgets the page's back and forward entries.
  void ForgetHistory();

  // The tab's title (the page's title, else its address, else what the page was before it was
  // loaded again, else "New Page") and whether it shows loading, each when it changed since
  // last asked.
  std::optional<std::string> NewTitle();
  std::optional<bool> NewLoading();
  std::string Title() const;

  // Hidden since now, or shown (then it runs again if it was frozen). A discarded page has
  // given up its view and waits, as a restored page does, for its pane to show it again.
  void Hide(std::chrono::steady_clock::time_point now) { hiddenSince_ = now; }
  void Show();
  std::optional<std::chrono::steady_clock::time_point> HiddenSince() const { return hiddenSince_; }
  PageLifecycle Lifecycle() const { return lifecycle_; }
  void SetLifecycle(PageLifecycle state);
  // Something on the page waits for the user (its tab is marked): the page keeps running, for
  // freezing would hold the question and discarding would answer it.
  void SetWaiting(bool waiting) { waiting_ = waiting; }
  bool Waiting() const { return waiting_; }

 private:
  struct Live;

  void discard();

  PaneId pane_;
  EventHandler onEvent_;
  // What a waiting page will load; emptied once it has started.
  std::optional<PageSnapshot> pending_;
  const PaneNavigation& like_;
  std::unique_ptr<Live> live_;
  // The title a waiting page had, until its engine names the page.
  std::string knownTitle_;
  std::string tabTitle_;
  bool tabLoading_ = false;
  std::optional<std::chrono::steady_clock::time_point> hiddenSince_;
  PageLifecycle lifecycle_ = PageLifecycle::Active;
  bool waiting_ = false;
};

}  // namespace corvane
