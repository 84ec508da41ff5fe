#include "favorites/NewFolderPath.h"

#include "base/AsciiText.h"

namespace corvane {

std::optional<std::string> NewFolderPath(const std::string& parent, const std::string& typed) {
  const std::string name = trimSpace(typed);
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
    return std::nullopt;
  }
  return parent.empty() ? name : parent + "/" + name;
}

}  // namespace corvane
