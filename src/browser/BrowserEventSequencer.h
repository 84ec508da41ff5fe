#pragma once

#include <cstdint>
#include <string>

namespace corvane {

class IBrowserEvents;

// The browser control's events, made from what its engine reports. The engine adapter feeds it
// plain calls, in the engine's order, and it raises the events on the sink in the order the
// panes rely on (status texts, progress and command states while loading, then
// NavigateComplete2, then DownloadComplete), and answers Busy, LocationURL and LocationName.
//
// A navigation begins with a Navigate call or when the engine begins one of its own (a link, a
// script, Back, Forward, Refresh). It commits when its main document arrives, which the engine
// does not report as such; the commit is whichever comes first of
//   - the page's address changing during the navigation (the engine changes it at commit, never
//     before the response; a redirect shows only its final address), or
//   - a new main document being created, the only sign of a navigation that stays at the same
//     address.
// It ends when its committed document has loaded, or when the engine says its load ended, or on
// Stop. The engine's own load signals cannot be trusted alone: a superseded document that
// finishes loading while the next navigation waits for its response ends the engine's "load",
// and the next navigation then gets no load signals at all. So a document's own "loaded" report
// ends its navigation, and the engine's end of load that merely echoes a document already
// reported is ignored.
//
// NavigateComplete2 comes with the commit, not when every image has loaded, so the address box,
// the address list and the title follow at once and a page that never finishes still completes.
// A navigation that never commits (stopped before the response) completes nothing. Refresh
// completes nothing unless the page moved to another address. An address change outside a
// navigation (a fragment, history.pushState) is a move within the page and completes on its own,
// as does a Navigate the engine serves as such a move; another page's address that the engine
// shows before a Navigate's load begins (it does so right after a Stop) commits nothing, the new
// document does. Corvane's own "cannot open" notice never completes: the pane's box keeps what
// was typed and its address list gets no non-address.
//
// At commit the engine usually holds only a stand-in for the new page's title, and the pane
// writes "Page Title:" on NavigateComplete2, so the event waits after the commit until the
// page's own title arrives, the document has been parsed (a page without a title) or the
// navigation ends, whichever is first; images and other parts never hold it. LocationName is
// the page's title, or its whole address while it has none.
//
// While busy there is always an informative status text: "Opening page <address>..." until the
// commit (for a Navigate call the pane's own "Going to" stays until a link is hovered), then
// "Loading <address>..." until the end, then "Done". The progress never goes back within a
// navigation, creeps while the answer is awaited (waitingTick) and stays short of full until the
// end, which only the page's last part brings. A hovered link shows its
// address; leaving it brings the current text back. A text is raised only when it differs from
// the last one raised, so the engine's repeated "no link hovered" leaves the line alone.
//
// The sink is read afresh for every event, and the state is settled before events go out, so a
// handler may remove or replace the sink, or start the next navigation, from inside an event.
class BrowserEventSequencer {
 public:
  BrowserEventSequencer() = default;
  BrowserEventSequencer(const BrowserEventSequencer&) = delete;
  BrowserEventSequencer& operator=(const BrowserEventSequencer&) = delete;

  void setEventSink(IBrowserEvents* sink) { sink_ = sink; }

  // True from a Navigate call, or the start of any navigation, to its end.
  bool Busy() const { return navigatePending_ || navigating_; }
  const std::string& LocationURL() const { return address_; }
  std::string LocationName() const;

  // The control was asked to go to `target` (the address it hands to the engine, as reported).
  void navigateCalled(const std::string& target);
  void refreshCalled();
  void stopCalled();

  // The engine began a main-frame navigation to `target` (not a move within the page).
  void navigationStarted(const std::string& target);
  // The engine's own load began (it also begins a navigation) or the one of `address` ended:
  // done, failed, stopped.
  void loadStarted(const std::string& target);
  void loadFinished(const std::string& address);
  void loadProgress(int percent);
  // A moment has passed (the adapter calls this a few times a second while busy): while a
  // navigation waits for its answer, which the engine gives no progress for, the bar creeps
  // towards a third, so that a slow server does not look like a stopped one.
  void waitingTick();
  // The engine's address of the page became `address`, and `title` is the title it holds now.
  // `notice` marks Corvane's own "cannot open" page, whose address is the text typed.
  void urlChanged(const std::string& address, const std::string& title, bool notice);
  void titleChanged(const std::string& title);
  // The main frame's document at `address` (as reported, empty when unknown) was created, was
  // parsed, finished loading (its load event). The reports come late, through the renderer: one
  // from the page a navigation left may arrive after that navigation has begun, and is not
  // taken for its commit or its end.
  void documentCreated(const std::string& address);
  void documentParsed();
  void documentLoaded(const std::string& address);
  // The pointer is over a link to `url`, or over no link when `url` is empty.
  void linkHovered(const std::string& url);
  // The engine's back (CSC_NAVIGATEBACK) or forward (CSC_NAVIGATEFORWARD) action changed.
  void historyActionChanged(int32_t command, bool enabled);

 private:
  void beginNavigation(const std::string& target);
  // A document of the page the running navigation left, reported late.
  bool leftBehind(const std::string& document) const;
  void commit();
  void completeHeld();
  // Ends the navigation: NavigateComplete2 if `complete`, then the end of the load.
  void finish(bool complete);
  void setStatus(const std::string& text);
  void raiseStatus(const std::string& text);
  void raiseNavigateComplete();
  void raiseProgress(int32_t progress, int32_t progressMax);

  IBrowserEvents* sink_ = nullptr;
  std::string address_;
  std::string title_;
  bool notice_ = false;

  bool navigatePending_ = false;  // Navigate called; the engine has not begun a navigation yet
  bool navigating_ = false;       // a navigation runs
  bool committed_ = false;        // ... and has reached its document
  bool asked_ = false;            // ... which a Navigate call asked for
  bool completeHeld_ = false;     // ... whose NavigateComplete2 waits for the title
  bool refresh_ = false;          // ... and reloads the page
  std::string addressAtStart_;    // the page's address when it began
  std::string target_;            // ... and where it was going
  std::string previousTarget_;    // where the one before went, which may not have arrived
  bool engineLoading_ = false;    // between the engine's own start and end of load
  bool echoPending_ = false;      // the engine's next end of load repeats what is known
  int32_t progress_ = 0;          // the bar's last value in this navigation; it never goes back

  std::string status_ = "Done";  // the text a pointer leaving a link brings back
  std::string lastRaised_;
  bool back_ = false;
  bool forward_ = false;
};

}  // namespace corvane
