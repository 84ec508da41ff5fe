#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

// The settings operations on cv.ini. Every call reads or writes the file anew; no errors escape.
class mdlGen {
 public:
  explicit mdlGen(std::filesystem::path iniPath);

  // The stored value, or defaultValue (less its trailing blanks) when the section or key is
  // absent; "" on any error.
  std::string ReadProfileString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const;
  // The value under key "index" of section, "" when absent. index must fit 16 bits (else "").
  std::string ReadSetting(const std::string& section, std::int32_t index) const;
  // Stores value under key "index" of section; a failed write is ignored.
  void WriteSetting(const std::string& section, std::int32_t index, const std::string& value) const;
  // As WriteSetting, for a caller that must tell the user: false when the value wasn't stored.
  bool TryWriteSetting(const std::string& section, std::int32_t index,
                       const std::string& value) const;
  // Stores each (section, value) under key "index" in one replace of the file: all of them are
  // stored, or none and false.
  bool TryWriteSettings(const std::vector<std::pair<std::string, std::string>>& sectionValues,
                        std::int32_t index) const;
  // The settings file.
  const std::filesystem::path& path() const { return iniPath_; }

 private:
  std::filesystem::path iniPath_;
};

}  // namespace corvane
