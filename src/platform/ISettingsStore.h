#pragma once

#include <string>

namespace corvane {

// The per-user settings store: text values by application, section and key.
class ISettingsStore {
 public:
  ISettingsStore() = default;
  ISettingsStore(const ISettingsStore&) = delete;
  ISettingsStore& operator=(const ISettingsStore&) = delete;
  virtual ~ISettingsStore() = default;

  // The stored text, or defaultValue when nothing is stored.
  virtual std::string GetSetting(const std::string& appName, const std::string& section,
                                 const std::string& key, const std::string& defaultValue) = 0;
  // Stores the text, creating what is missing; throws when it cannot be stored.
  virtual void SaveSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

}  // namespace corvane
