#pragma once

#include <QString>

#include "platform/ISettingsStore.h"

namespace corvane {

// ISettingsStore over QSettings: one INI file per application name in the user's configuration
// folder (folder/<appName>.conf), sections as groups.
class QtSettingsStore : public ISettingsStore {
 public:
  explicit QtSettingsStore(QString folder) : folder_(std::move(folder)) {}

  std::string GetSetting(const std::string& appName, const std::string& section,
                         const std::string& key, const std::string& defaultValue) override;
  void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                   const std::string& value) override;

 private:
  QString fileFor(const std::string& appName) const;

  QString folder_;
};

}  // namespace corvane
