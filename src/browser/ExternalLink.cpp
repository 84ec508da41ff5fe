#include "browser/ExternalLink.h"

#include <algorithm>
#include <iterator>

namespace corvane {

namespace ExternalLink {

namespace {
const char* const kEngineSchemes[] = {"http",       "https", "file",   "data",        "about",
                                      "blob",       "ws",    "wss",    "view-source", "javascript",
                                      "filesystem", "qrc",   "chrome", "devtools"};
// An address shown in a question is cut to this many characters.
constexpr std::size_t kShownAddress = 200;
}  // namespace

bool isEngineScheme(const std::string& scheme) {
  return std::any_of(std::begin(kEngineSchemes), std::end(kEngineSchemes),
                     [&](const char* known) { return scheme == known; });
}

std::string mimeType(const std::string& scheme) { return "x-scheme-handler/" + scheme; }

std::string question(const std::string& address, const std::string& program) {
  std::string shown = address.substr(0, kShownAddress);
  if (shown.size() < address.size()) shown += "...";
  const std::string who = program.empty() ? "the desktop's default program" : program;
  return "This page wants to open\n" + shown + "\nwith " + who +
         ", outside Corvane.\n\nOpen it with " + who + "?";
}

}  // namespace ExternalLink

}  // namespace corvane
