#include "browser/WebOrigin.h"

#include <cctype>
#include <string_view>

#include "base/AsciiText.h"

namespace corvane {

namespace {

const char kOpaque[] = "null";

bool isSchemeChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
}

std::string defaultPort(const std::string& scheme) {
  if (scheme == "http" || scheme == "ws") return "80";
  if (scheme == "https" || scheme == "wss") return "443";
  if (scheme == "ftp") return "21";
  return std::string();
}

std::string hierarchicalOrigin(const std::string& scheme, std::string_view rest) {
  if (!startsWith(rest, "//")) return kOpaque;
  rest.remove_prefix(2);
  const std::string_view authority = rest.substr(0, rest.find_first_of("/?#\\"));
  std::string_view hostPort = authority.substr(authority.rfind('@') + 1);
  std::string_view port;
  // The last colon outside an IPv6 address's brackets starts the port.
  const std::size_t colon = hostPort.rfind(':');
  if (colon != std::string_view::npos && hostPort.find(']', colon) == std::string_view::npos) {
    port = hostPort.substr(colon + 1);
    hostPort = hostPort.substr(0, colon);
  }
  if (hostPort.empty()) return kOpaque;
  for (char c : port) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return kOpaque;
  }
  while (port.size() > 1 && port.front() == '0') port.remove_prefix(1);
  std::string origin = scheme + "://" + asciiLower(std::string(hostPort));
  if (!port.empty() && std::string(port) != defaultPort(scheme)) origin += ":" + std::string(port);
  return origin;
}

}  // namespace

std::string webOrigin(const std::string& address) {
  std::string_view text = trimBlanks(address);
  std::size_t end = 0;
  while (end < text.size() && isSchemeChar(text[end])) ++end;
  if (end == 0 || end == text.size() || text[end] != ':' ||
      !std::isalpha(static_cast<unsigned char>(text[0]))) {
    return kOpaque;
  }
  const std::string scheme = asciiLower(std::string(text.substr(0, end)));
  const std::string_view rest = text.substr(end + 1);
  if (scheme == "file") return "file://";
  if (scheme == "blob") return webOrigin(std::string(rest));
  if (defaultPort(scheme).empty()) return kOpaque;
  return hierarchicalOrigin(scheme, rest);
}

}  // namespace corvane
