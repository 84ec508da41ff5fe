#pragma once

#include <string>

#include "browser/SearchEngines.h"
#include "platform/ISettingsStore.h"

namespace corvane {

// The choices of Corvane's Internet Options dialog, which both panes' web engine follows. They
// live in the per-user settings store, section "Internet Options": the switches as "1" or "0",
// the search engine by its id, and the address template of "Other…" as written.
struct InternetOptions {
  static constexpr const char* kSection = "Internet Options";

  bool javaScript = true;
  bool images = true;
  bool thirdPartyCookies = true;
  // "Search the web with": an id of SearchEngines, or SearchEngines::kOtherId.
  std::string searchEngine = SearchEngines::kDefaultId;
  // The address template of "Other…", kept when another engine is chosen.
  std::string otherSearchTemplate;

  // The address template words are searched with: the chosen engine's, or Other's; the default
  // engine's while Other's is not a valid template.
  std::string SearchTemplate() const;

  // The stored choices; an entry that is missing or not "0" or "1" keeps its default, and so
  // does an engine id Corvane does not offer.
  static InternetOptions Load(ISettingsStore& store, const std::string& appName);
  // Stores every choice; throws when the store refuses.
  void Save(ISettingsStore& store, const std::string& appName) const;

  bool operator==(const InternetOptions& other) const {
    return javaScript == other.javaScript && images == other.images &&
           thirdPartyCookies == other.thirdPartyCookies && searchEngine == other.searchEngine &&
           otherSearchTemplate == other.otherSearchTemplate;
  }
};

}  // namespace corvane
