#include "browser/DocumentMarkers.h"

#include <random>
#include <utility>

#include "base/AsciiText.h"

namespace corvane {

namespace {

std::string randomToken() {
  // Two 64-bit draws in base 36: the token goes into a script as it is, so letters and digits only.
  std::random_device source;
  std::string token;
  for (int part = 0; part < 2; ++part) {
    unsigned long long value = (static_cast<unsigned long long>(source()) << 32) | source();
    do {
      token += "0123456789abcdefghijklmnopqrstuvwxyz"[value % 36];
      value /= 36;
    } while (value != 0);
  }
  return token;
}

}  // namespace

DocumentMarkers::DocumentMarkers() : DocumentMarkers(randomToken()) {}

DocumentMarkers::DocumentMarkers(std::string token) : token_(std::move(token)) {}

std::string DocumentMarkers::creationScript() const {
  // Only the user's own clicks and keys are trusted events.
  return "console.log('" + token_ + " created ' + location.href);" +
         "window.addEventListener('load', function () {"
         "  console.log('" +
         token_ + " loaded ' + location.href); });" +
         "['mousedown', 'keydown'].forEach(function (type) {"
         "  window.addEventListener(type, function (e) {"
         "    if (e.isTrusted) console.log('" +
         token_ + " input'); }, true); });";
}

std::string DocumentMarkers::parsedScript() const {
  return "console.log('" + token_ + " parsed');";
}

DocumentMarkers::Report DocumentMarkers::read(const std::string& message) const {
  const std::string own = token_ + ' ';
  if (token_.empty() || !startsWith(message, own)) return {};
  const std::string what = message.substr(own.size());
  if (what == "parsed") return {Kind::Parsed, {}};
  if (what == "input") return {Kind::Input, {}};
  const std::pair<std::string, Kind> withAddress[] = {{"created ", Kind::Created},
                                                      {"loaded ", Kind::Loaded}};
  for (const auto& [name, kind] : withAddress) {
    if (startsWith(what, name)) return {kind, what.substr(name.size())};
  }
  return {};
}

}  // namespace corvane
