#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

#include "platform/ISettingsStore.h"

namespace corvane {

// A per-user settings store in memory; it can be told to refuse writes.
class FakeSettingsStore : public ISettingsStore {
 public:
  std::string GetSetting(const std::string& appName, const std::string& section,
                         const std::string& key, const std::string& defaultValue) override {
    const auto it = values_.find({appName, section, key});
    return it == values_.end() ? defaultValue : it->second;
  }
  void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                   const std::string& value) override {
    if (refuseWrites_) throw std::runtime_error("settings store is read-only");
    values_[{appName, section, key}] = value;
    ++writes_;
  }

  void refuseWrites(bool refuse) { refuseWrites_ = refuse; }
  int writes() const { return writes_; }

 private:
  std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
  bool refuseWrites_ = false;
  int writes_ = 0;
};

}  // namespace corvane
