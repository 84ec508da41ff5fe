#include "browser/HostsFile.h"

#include <fstream>
#include <sstream>

#include "base/AsciiText.h"

namespace corvane {

namespace {
// A hosts file is a few lines; a larger one is no hosts file, and is not read whole.
constexpr std::streamsize kMaxBytes = 1 << 20;
}  // namespace

std::set<std::string> HostsFile::Names(const std::string& text) {
  std::set<std::string> names;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line.substr(0, line.find('#')));
    std::string field;
    if (!(fields >> field)) continue;  // the address
    while (fields >> field) names.insert(asciiLower(field));
  }
  return names;
}

std::set<std::string> HostsFile::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::string text(static_cast<std::size_t>(kMaxBytes), '\0');
  in.read(text.data(), kMaxBytes);
  text.resize(static_cast<std::size_t>(in.gcount()));
  return Names(text);
}

}  // namespace corvane
