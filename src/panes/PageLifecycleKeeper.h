#pragma once

#include <chrono>

#include "panes/PanePages.h"
#include "platform/ISteadyClock.h"
#include "platform/ITimer.h"

namespace corvane {

// How long a page stays hidden before the engine freezes it, and before it discards it; zero for
// never.
struct LifecycleTimes {
  std::chrono::minutes freezeAfter{10};
  std::chrono::minutes discardAfter{60};
};

// The lifecycle a page hidden for so long is to have by those times.
PageLifecycle LifecycleAfter(std::chrono::steady_clock::duration hidden,
                             const LifecycleTimes& times);

// Keeps pages that a pane has not shown for a while from holding their memory: at each tick of
// its timer, every hidden page of both panes that has been hidden long enough is frozen, later
// discarded (it reloads when shown again). A page being shown runs again at once (PanePages).
class PageLifecycleKeeper {
 public:
  // The timer ticks every minute or so; it is switched on here.
  PageLifecycleKeeper(ITimer& timer, const ISteadyClock& clock, PanePages& top, PanePages& bottom);
  ~PageLifecycleKeeper();
  PageLifecycleKeeper(const PageLifecycleKeeper&) = delete;
  PageLifecycleKeeper& operator=(const PageLifecycleKeeper&) = delete;

  // The times chosen in Internet Options; they count for the next tick.
  void SetTimes(const LifecycleTimes& times) { times_ = times; }
  // One look at every hidden page.
  void Tick();

 private:
  void look(PanePages& pages, std::chrono::steady_clock::time_point now);

  ITimer& timer_;
  const ISteadyClock& clock_;
  PanePages& top_;
  PanePages& bottom_;
  LifecycleTimes times_;
};

}  // namespace corvane
