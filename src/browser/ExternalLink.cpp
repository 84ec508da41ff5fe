#include "browser/ExternalLink.h"

#include <algorithm>
#include <iterator>

namespace corvane {

namespace ExternalLink {

namespace {
const char* const kEngineSchemes[] = {"http",       "https", "file",   "data",        "about",
                                      "blob",       "ws",    "wss",    "view-source", "javascript",
                                      "filesystem", "qrc",   "chrome", "devtools"};
// Beyond this, an address in a question is shortened in its middle; the sheet shortens it
// further to its width.
constexpr std::size_t kLongestAddress = 65536;
const char kEllipsis[] = "\xE2\x80\xA6";

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

const char kDialogScheme[] = "corvane-dialog";

bool isEngineScheme(const std::string& scheme) {
  return std::any_of(std::begin(kEngineSchemes), std::end(kEngineSchemes),
                     [&](const char* known) { return scheme == known; });
}

bool isOwnScheme(const std::string& scheme) { return scheme == kDialogScheme; }

std::string mimeType(const std::string& scheme) { return "x-scheme-handler/" + scheme; }

std::string shortened(const std::string& address, std::size_t limit) {
  const std::size_t mark = sizeof(kEllipsis) - 1;
  if (address.size() <= limit || limit < mark) return address.substr(0, limit);
  const std::size_t kept = limit - mark;
  std::size_t head = kept - kept / 2;
  std::size_t tail = address.size() - kept / 2;
  while (head > 0 && isContinuation(address[head])) --head;
  while (tail < address.size() && isContinuation(address[tail])) ++tail;
  return address.substr(0, head) + kEllipsis + address.substr(tail);
}

std::string shownAddress(const std::string& address) { return shortened(address, kLongestAddress); }

std::string question(const std::string& address, const std::string& program) {
  const std::string who = program.empty() ? "the desktop's default program" : program;
  return "This page wants to open\n" + shownAddress(address) + "\nwith " + who +
         ", outside Corvane.\n\nOpen it with " + who + "?";
}

}  // namespace ExternalLink

}  // namespace corvane
