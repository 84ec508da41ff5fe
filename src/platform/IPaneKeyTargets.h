#pragma once

namespace corvane {

// What a pane's keys reach besides its browser control and toolbar: its find bar, its address
// box's focus and a reload that fetches everything afresh.
class IPaneKeyTargets {
 public:
  IPaneKeyTargets() = default;
  IPaneKeyTargets(const IPaneKeyTargets&) = delete;
  IPaneKeyTargets& operator=(const IPaneKeyTargets&) = delete;
  virtual ~IPaneKeyTargets() = default;

  // Shows the pane's find bar with its text selected and the focus in it.
  virtual void OpenFind() = 0;
  // Finds the next match of the find bar's text; with no text yet, opens the bar.
  virtual void FindNext() = 0;
  // Puts the caret in the pane's address box with its whole text selected.
  virtual void FocusAddress() = 0;
  // Reloads the page without taking anything from the cache.
  virtual void ReloadBypassingCache() = 0;
};

}  // namespace corvane
