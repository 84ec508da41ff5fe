#include "base/mdlGen.h"

#include <limits>
#include <stdexcept>
#include <utility>

#include "base/ProfileFile.h"

namespace corvane {

namespace {

std::int16_t toInt16(std::int32_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw std::overflow_error("index out of 16-bit range");
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace

mdlGen::mdlGen(std::filesystem::path iniPath) : iniPath_(std::move(iniPath)) {}

std::string mdlGen::ReadProfileString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) const {
  try {
    // The buffer comes back holding the count of bytes copied; a count of 0 reads as "".
    return ProfileFile(iniPath_).getString(section, key, defaultValue, ProfileFile::kBufferSize);
  } catch (...) {
    return {};
  }
}

std::string mdlGen::ReadSetting(const std::string& section, std::int32_t index) const {
  try {
    const std::int16_t count = toInt16(index);
    std::string latest;
    for (int i = 1; i <= count; ++i) {
      latest = ReadProfileString(section, std::to_string(i), "");
    }
    return latest;
  } catch (...) {
    return {};
  }
}

void mdlGen::WriteSetting(const std::string& section, std::int32_t index,
                          const std::string& value) const {
  try {
    ProfileFile(iniPath_).writeString(section, std::to_string(index), value);
  } catch (...) {
    // A setting that can't be stored is simply not stored; the caller keeps its value.
  }
}

bool mdlGen::TryWriteSetting(const std::string& section, std::int32_t index,
                             const std::string& value) const {
  try {
    return ProfileFile(iniPath_).writeString(section, std::to_string(index), value);
  } catch (...) {
    return false;
  }
}

bool mdlGen::TryWriteSettings(const std::vector<std::pair<std::string, std::string>>& sectionValues,
                              std::int32_t index) const {
  try {
    std::vector<ProfileFile::Entry> entries;
    for (const auto& [section, value] : sectionValues) {
      entries.push_back({section, std::to_string(index), value});
    }
    return ProfileFile(iniPath_).writeStrings(entries);
  } catch (...) {
    return false;
  }
}

}  // namespace corvane
