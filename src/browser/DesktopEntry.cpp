#include "browser/DesktopEntry.h"

#include <sstream>

#include "base/AsciiText.h"

namespace corvane {

namespace DesktopEntry {

std::string name(const std::string& entryText) {
  std::istringstream lines(entryText);
  std::string line;
  bool inEntry = false;
  while (std::getline(lines, line)) {
    line = trimSpace(line);
    if (!line.empty() && line.front() == '[') {
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    const auto equals = line.find('=');
    if (inEntry && equals != std::string::npos && trimSpace(line.substr(0, equals)) == "Name") {
      return trimSpace(line.substr(equals + 1));
    }
  }
  return {};
}

}  // namespace DesktopEntry

}  // namespace corvane
