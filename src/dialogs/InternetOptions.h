#pragma once

#include <string>

#include "browser/SearchEngines.h"
#include "platform/ISettingsStore.h"

namespace corvane {

// The choices of Corvane's Internet Options dialog: what both panes' web engine follows, how a
// pane keeps its pages, and the engine words are searched with. They live in the per-user
// settings store, section "Internet Options": switches as "1" or "0", times as whole minutes,
// the search engine by its id, and the address template of "Other…" as written.
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

  // "Search the web with": an id of SearchEngines, or SearchEngines::kOtherId.
  std::string searchEngine = SearchEngines::kDefaultId;
  // The address template of "Other…", kept when another engine is chosen.
  std::string otherSearchTemplate;

  // The address template words are searched with: the chosen engine's, or Other's; the default
  // engine's while Other's is not a valid template.
  std::string SearchTemplate() const;
  // "Search the web with" as the dialog shows it: an engine's id, or SearchEngines::kOtherId
  // with Other's template (blanks around it dropped). "" once taken; otherwise why it cannot be,
  // and nothing changes. While another engine is chosen, a template that is not valid leaves the
  // one kept as it was.
  std::string ChooseSearch(const std::string& engine, const std::string& otherTemplate);

  // The stored choices; an entry that is missing or not one the choice can take keeps its
  // default, and so does an engine id Corvane does not offer.
  static InternetOptions Load(ISettingsStore& store, const std::string& appName);
  // Stores every choice; throws when the store refuses.
  void Save(ISettingsStore& store, const std::string& appName) const;

  bool operator==(const InternetOptions& other) const {
    return javaScript == other.javaScript && images == other.images &&
           thirdPartyCookies == other.thirdPartyCookies &&
           pageStripAlways == other.pageStripAlways && openLastPages == other.openLastPages &&
           freezeAfterMinutes == other.freezeAfterMinutes &&
           discardAfterMinutes == other.discardAfterMinutes && searchEngine == other.searchEngine &&
           otherSearchTemplate == other.otherSearchTemplate;
  }
};

}  // namespace corvane
