#pragma once

#include <string>

#include "platform/ISettingsStore.h"

namespace corvane {

// The choices of Corvane's Internet Options dialog: what both panes' web engine follows, and how
// a pane keeps its pages. They live in the per-user settings store, section "Internet Options",
// on and off as "1" or "0", times as whole minutes.
struct InternetOptions {
  static constexpr const char* kSection = "Internet Options";
  // The longest time a choice of minutes may name: a week.
  static constexpr int kMaxMinutes = 7 * 24 * 60;

  bool javaScript = true;
  bool images = true;
  bool thirdPartyCookies = true;
  // The strip of page tabs shows even when a pane holds only one page.
  bool pageStripAlways = false;
  // "When Corvane starts: open the pages from last time", else only the home pages.
  bool openLastPages = false;
  // Minutes a page stays hidden before it is frozen, and before it is discarded; 0 for never.
  int freezeAfterMinutes = 10;
  int discardAfterMinutes = 60;

  // The stored choices; an entry that is missing or not one the choice can take keeps its
  // default.
  static InternetOptions Load(ISettingsStore& store, const std::string& appName);
  // Stores every choice; throws when the store refuses.
  void Save(ISettingsStore& store, const std::string& appName) const;

  bool operator==(const InternetOptions& other) const {
    return javaScript == other.javaScript && images == other.images &&
           thirdPartyCookies == other.thirdPartyCookies &&
           pageStripAlways == other.pageStripAlways && openLastPages == other.openLastPages &&
           freezeAfterMinutes == other.freezeAfterMinutes &&
           discardAfterMinutes == other.discardAfterMinutes;
  }
};

}  // namespace corvane
