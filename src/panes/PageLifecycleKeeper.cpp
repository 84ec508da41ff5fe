#include "panes/PageLifecycleKeeper.h"

#include <optional>

#include "base/Guarded.h"

namespace corvane {

PageLifecycle LifecycleAfter(std::chrono::steady_clock::duration hidden,
                             const LifecycleTimes& times) {
  const auto reached = [&](std::chrono::minutes after) {
    return after.count() > 0 && hidden >= after;
  };
  if (reached(times.discardAfter)) return PageLifecycle::Discarded;
  if (reached(times.freezeAfter)) return PageLifecycle::Frozen;
  return PageLifecycle::Active;
}

PageLifecycleKeeper::PageLifecycleKeeper(ITimer& timer, const ISteadyClock& clock, PanePages& top,
                                         PanePages& bottom)
    : timer_(timer), clock_(clock), top_(top), bottom_(bottom) {
  timer_.SetOnTick([this] { Tick(); });
  guarded([&] { timer_.SetEnabled(true); });
}

PageLifecycleKeeper::~PageLifecycleKeeper() {
  guarded([&] { timer_.SetEnabled(false); });
  guarded([&] { timer_.SetOnTick(nullptr); });
}

void PageLifecycleKeeper::Tick() {
  const auto now = clock_.Now();
  look(top_, now);
  look(bottom_, now);
}

void PageLifecycleKeeper::look(PanePages& pages, std::chrono::steady_clock::time_point now) {
  for (int i = 0; i < pages.Count(); ++i) {
    const std::optional<std::chrono::steady_clock::time_point> since = pages.HiddenSince(i);
    if (!since || pages.ViewAt(i) == nullptr) continue;
    const PageLifecycle wanted = LifecycleAfter(now - *since, times_);
    const PageLifecycle current = pages.LifecycleAt(i);
    // Only ever further along; the engine discards a page only once it is frozen.
    if (wanted <= current) continue;
    if (current == PageLifecycle::Active) pages.SetLifecycle(i, PageLifecycle::Frozen);
    if (wanted == PageLifecycle::Discarded) pages.SetLifecycle(i, PageLifecycle::Discarded);
  }
}

}  // namespace corvane
