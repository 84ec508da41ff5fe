#include "browser/StandInTitle.h"

#include <cctype>

#include "base/AsciiText.h"
#include "base/PercentDecoded.h"

namespace corvane {

namespace {

const char kViewSource[] = "view-source:";
const char kSchemeEnd[] = "://";

bool sameWithOrWithoutTrailingSlash(const std::string& title, const std::string& form) {
  if (title == form) return true;
  return !form.empty() && form.back() == '/' && title == form.substr(0, form.size() - 1);
}

}  // namespace

bool isStandInTitle(const std::string& title, const std::string& address) {
  if (title.empty()) return true;
  // The source view of a page is named like the page, behind the same prefix.
  if (startsWith(address, kViewSource) && startsWith(title, kViewSource)) {
    const std::size_t prefix = sizeof(kViewSource) - 1;
    return isStandInTitle(title.substr(prefix), address.substr(prefix));
  }
  const std::string decoded = percentDecoded(address);
  if (sameWithOrWithoutTrailingSlash(title, address) ||
      sameWithOrWithoutTrailingSlash(title, decoded)) {
    return true;
  }
  const std::size_t schemeEnd = decoded.find(kSchemeEnd);
  if (schemeEnd == std::string::npos) return false;
  const std::string rest = decoded.substr(schemeEnd + sizeof(kSchemeEnd) - 1);
  if (asciiLower(decoded.substr(0, schemeEnd)) == "file") {
    // file://host/path: the path begins at the first slash after the (usually empty) host.
    const std::size_t pathStart = rest.find('/');
    if (pathStart == std::string::npos) return false;
    const std::string path = rest.substr(pathStart);
    return title == path || title == path.substr(path.rfind('/') + 1);
  }
  return sameWithOrWithoutTrailingSlash(title, rest);
}

}  // namespace corvane
