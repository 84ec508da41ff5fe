#pragma once

#include <string>

#include "platform/ISettingsStore.h"

namespace corvane {

// The choices of Corvane's Internet Options dialog, which both panes' web engine follows. They
// live in the per-user settings store, section "Internet Options", as "1" or "0".
struct InternetOptions {
  static constexpr const char* kSection = "Internet Options";

  bool javaScript = true;
  bool images = true;
  bool thirdPartyCookies = true;

  // The stored choices; an entry that is missing or not "0" or "1" keeps its default.
  static InternetOptions Load(ISettingsStore& store, const std::string& appName);
  // Stores every choice; throws when the store refuses.
  void Save(ISettingsStore& store, const std::string& appName) const;

  bool operator==(const InternetOptions& other) const {
    return javaScript == other.javaScript && images == other.images &&
           thirdPartyCookies == other.thirdPartyCookies;
  }
};

}  // namespace corvane
