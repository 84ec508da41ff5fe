#include "favorites/AddressKind.h"

#include <array>

#include "base/AsciiText.h"

namespace corvane {

namespace {

bool isSchemeStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool isSchemeChar(char c) {
  return isSchemeStart(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// The address's scheme, lower case; "" when it has none.
std::string schemeOf(const std::string& address) {
  std::size_t i = 0;
  if (address.empty() || !isSchemeStart(address[0])) return {};
  while (i < address.size() && isSchemeChar(address[i])) ++i;
  return i < address.size() && address[i] == ':' ? asciiLower(address.substr(0, i)) : "";
}

bool isBrowserPage(const std::string& scheme) {
  static const std::array<const char*, 11> kBrowsers = {
      "about", "brave", "chrome",   "chrome-extension", "edge",   "moz-extension",
      "opera", "place", "resource", "view-source",      "vivaldi"};
  for (const char* browser : kBrowsers) {
    if (scheme == browser) return true;
  }
  return false;
}

}  // namespace

AddressKind KindOfAddress(const std::string& text) {
  const std::string address = trimSpace(text);
  if (address.empty()) return AddressKind::Empty;
  if (address[0] == '#') return AddressKind::InPage;
  const std::string scheme = schemeOf(address);
  if (scheme.empty()) return AddressKind::Relative;
  const std::string_view rest = std::string_view(address).substr(scheme.size() + 1);
  if (scheme == "http" || scheme == "https") {
    return rest.size() > 2 && startsWith(rest, "//") && rest[2] != '/' ? AddressKind::Web
                                                                       : AddressKind::Other;
  }
  if (scheme == "file") return startsWith(rest, "/") ? AddressKind::Web : AddressKind::Other;
  if (scheme == "javascript") return AddressKind::Script;
  if (scheme == "data") return AddressKind::Data;
  return isBrowserPage(scheme) ? AddressKind::BrowserPage : AddressKind::Other;
}

}  // namespace corvane
