#include "browser/DocumentMarkers.h"

#include "browser/WebOrigin.h"

namespace corvane {

namespace {
// A key is 32 hexadecimal digits; anything else a report carries is no key.
constexpr std::size_t kKeyLength = 32;

bool isKey(const std::string& key) {
  return key.size() == kKeyLength && key.find_first_not_of("0123456789abcdef") == std::string::npos;
}
}  // namespace

const char DocumentMarkers::kKeyRequestEvent[] = "corvane-document-key-request";
const char DocumentMarkers::kKeyEvent[] = "corvane-document-key";

std::string DocumentMarkers::creationScript(const std::string& send) {
  // The key goes to the page's world by an event that world listens for: whichever script runs
  // first, the key is handed over once, and only to the listener that takes it (it cancels the
  // event); a page's own request later gets nothing.
  return std::string(
             "(function () {"
             "  var send = ") +
         send +
         ";"
         "  var words = crypto.getRandomValues(new Uint32Array(4)), key = '';"
         "  for (var i = 0; i < 4; ++i) key += ('0000000' + words[i].toString(16)).slice(-8);"
         "  window.corvaneDocumentKey = key;"
         "  send('created', key, location.href);"
         "  var given = false;"
         "  function give() {"
         "    if (given) return;"
         "    var event = new CustomEvent('" +
         kKeyEvent +
         "', { detail: key, cancelable: true });"
         "    if (!document.dispatchEvent(event)) given = true;"
         "  }"
         "  document.addEventListener('" +
         kKeyRequestEvent +
         "', give);"
         "  give();"
         "  window.addEventListener('load', function (e) {"
         "    if (e.isTrusted && e.target === document) send('loaded', key, location.href);"
         "  }, true);"
         "  ['mousedown', 'keydown'].forEach(function (type) {"
         "    window.addEventListener(type, function (e) {"
         "      if (e.isTrusted) send('input', key, ''); }, true); });"
         "})();";
}

std::string DocumentMarkers::parsedScript(const std::string& send) {
  return "(" + send + ")('parsed', window.corvaneDocumentKey || '', '');";
}

DocumentMarkers::Report DocumentMarkers::read(const std::string& kind, const std::string& key,
                                              const std::string& address) {
  if (!isKey(key)) return {};
  if (kind == "created") {
    key_ = key;
    origin_ = webOrigin(address);
    return {Kind::Created, address};
  }
  if (key != key_) return {};
  if (kind == "parsed") return {Kind::Parsed, {}};
  if (kind == "loaded") return {Kind::Loaded, address};
  if (kind == "input") return {Kind::Input, {}};
  return {};
}

void DocumentMarkers::clear() {
  key_.clear();
  origin_.clear();
}

bool DocumentMarkers::isShowing(const std::string& key, const std::string& initiatorOrigin) const {
  return isKey(key) && key == key_ && webOrigin(initiatorOrigin) == origin_;
}

}  // namespace corvane
