#include "browser/SearchEngines.h"

#include <algorithm>

#include "base/AsciiText.h"

namespace corvane {

namespace {

bool isUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

std::string percentEncoded(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() * 3);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (isUnreserved(byte)) {
      out.push_back(c);
    } else {
      out.push_back('%');
      out.push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0x0F]);
    }
  }
  return out;
}

}  // namespace

const std::vector<SearchEngine>& SearchEngines::All() {
  static const std::vector<SearchEngine> kEngines = {
      {kDefaultId, "DuckDuckGo", "https://duckduckgo.com/?q=%s"},
      {"startpage", "Startpage", "https://www.startpage.com/do/search?q=%s"},
      {"brave", "Brave Search", "https://search.brave.com/search?q=%s"},
      {"google", "Google", "https://www.google.com/search?q=%s"},
      {"bing", "Bing", "https://www.bing.com/search?q=%s"},
  };
  return kEngines;
}

const SearchEngine* SearchEngines::ById(const std::string& id) {
  const auto& engines = All();
  const auto found = std::find_if(engines.begin(), engines.end(),
                                  [&](const SearchEngine& engine) { return id == engine.id; });
  return found == engines.end() ? nullptr : &*found;
}

bool SearchEngines::IsValidTemplate(const std::string& addressTemplate) {
  std::size_t hostStart = 0;
  if (startsWithNoCase(addressTemplate, "https://")) {
    hostStart = 8;
  } else if (startsWithNoCase(addressTemplate, "http://")) {
    hostStart = 7;
  } else {
    return false;
  }
  const std::size_t hostEnd = addressTemplate.find_first_of("/?#", hostStart);
  const std::string host = addressTemplate.substr(hostStart, hostEnd - hostStart);
  const bool blanks = std::any_of(addressTemplate.begin(), addressTemplate.end(), isAsciiSpace);
  return !host.empty() && host.find(kWordsMark) == std::string::npos && !blanks &&
         addressTemplate.find(kWordsMark, hostStart) != std::string::npos;
}

std::string SearchEngines::SearchAddress(const std::string& addressTemplate,
                                         const std::string& words) {
  const std::string encoded = percentEncoded(words);
  const std::string mark = kWordsMark;
  std::string address;
  std::size_t from = 0;
  for (std::size_t at = addressTemplate.find(mark); at != std::string::npos;
       at = addressTemplate.find(mark, from)) {
    address.append(addressTemplate, from, at - from).append(encoded);
    from = at + mark.size();
  }
  return address.append(addressTemplate, from, std::string::npos);
}

}  // namespace corvane
