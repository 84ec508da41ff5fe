#include "browser/AddressInput.h"

#include "base/AsciiText.h"
#include "browser/SearchEngines.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace corvane {

namespace {

const char kViewSource[] = "view-source:";
const char* const kOpenedSchemes[] = {"http", "https", "file", "about", "data"};
const char* const kScriptSchemes[] = {"javascript", "vbscript"};
// Schemes read as such even where a port could follow a host name ("mailto:123").
const char* const kKnownSchemes[] = {
    "http",   "https",  "file", "about", "data", "javascript", "vbscript",
    "mailto", "tel",    "sms",  "ftp",   "sftp", "ssh",        "news",
    "irc",    "magnet", "blob", "ws",    "wss",  "chrome",     "view-source"};

bool isAlpha(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

template <std::size_t N>
bool isOneOf(const std::string& scheme, const char* const (&list)[N]) {
  return std::any_of(std::begin(list), std::end(list),
                     [&](const char* item) { return scheme == item; });
}

// "~" and "~/..." are the user's home folder, as in a shell.
std::string homeExpanded(const std::string& text, std::string home) {
  if (text != "~" && text.compare(0, 2, "~/") != 0) return text;
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  if (home == "/" && text.size() > 1) return text.substr(1);
  return home + text.substr(1);
}

// C:, C:\... or C:/..., and \\server\share.
bool isWindowsPath(const std::string& text) {
  const bool drive = text.size() >= 2 && isAlpha(text[0]) && text[1] == ':' &&
                     (text.size() == 2 || text[2] == '\\' || text[2] == '/');
  return drive || text.compare(0, 2, "\\\\") == 0;
}

// A port and, if anything, a path after it: "8080", "8080/x", "80?q".
bool isPortAndPath(const std::string& rest) {
  const auto end = std::find_if_not(rest.begin(), rest.end(), isDigit);
  return end != rest.begin() && (end == rest.end() || *end == '/' || *end == '?' || *end == '#');
}

// The scheme in front of a text ("mailto" of "mailto:x"), lower case; empty when there is none.
// An unknown name followed by a port ("localhost:8080/x") is a host, not a scheme.
std::string schemeOf(const std::string& text) {
  if (text.empty() || !isAlpha(text[0])) return {};
  const auto end = std::find_if_not(text.begin() + 1, text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '.' || c == '-';
  });
  if (end == text.end() || *end != ':') return {};
  const std::size_t colon = static_cast<std::size_t>(end - text.begin());
  std::string scheme = asciiLower(text.substr(0, colon));
  if (!isOneOf(scheme, kKnownSchemes) && isPortAndPath(text.substr(colon + 1))) return {};
  return scheme;
}

// The host part of a web address "scheme://host/..." is there and has no blanks in it.
bool hasUsableHost(const std::string& text, const std::string& scheme) {
  const std::size_t start = scheme.size() + 1;
  if (text.compare(start, 2, "//") != 0) return false;
  const std::size_t hostStart = start + 2;
  const std::size_t hostEnd = std::min(text.find_first_of("/?#", hostStart), text.size());
  if (hostEnd == hostStart) return false;
  return std::none_of(text.begin() + static_cast<std::ptrdiff_t>(hostStart),
                      text.begin() + static_cast<std::ptrdiff_t>(hostEnd), isAsciiSpace);
}

// A file of that name in the working folder, or an absolute one.
bool namesFile(const std::string& text, const std::string& workingFolder) {
  std::error_code error;
  return !workingFolder.empty() &&
         std::filesystem::exists(std::filesystem::path(workingFolder) / text, error);
}

// Text without a scheme that is a name or path: its host part (up to the first slash) has no
// blanks, or it names a file, relative to the working folder or absolute.
bool couldBeHostOrFile(const std::string& text, const std::string& workingFolder) {
  if (text[0] == '/') return true;
  const std::string host = text.substr(0, text.find('/'));
  if (std::none_of(host.begin(), host.end(), isAsciiSpace)) return true;
  return namesFile(text, workingFolder);
}

// The host part of text without a scheme names a host rather than being a word.
bool namesHost(const std::string& text, const AddressInput::Context& context) {
  std::string host = text.substr(0, text.find_first_of("/?#"));
  const std::size_t colon = host.rfind(':');
  if (colon != std::string::npos && isPortAndPath(host.substr(colon + 1))) return true;
  if (host.find('.') != std::string::npos || host[0] == '[') return true;
  host = asciiLower(host);
  return host == "localhost" || (context.isKnownHost && context.isKnownHost(host));
}

}  // namespace

AddressInput AddressInput::refused(Refusal why, std::string scheme) {
  AddressInput input;
  input.verdict_ = Verdict::Refuse;
  input.refusal_ = why;
  input.scheme_ = std::move(scheme);
  return input;
}

AddressInput AddressInput::searched(std::string words, const std::string& searchTemplate) {
  AddressInput input;
  input.verdict_ = Verdict::Search;
  input.address_ = SearchEngines::SearchAddress(searchTemplate, words);
  input.searchWords_ = std::move(words);
  return input;
}

bool AddressInput::isOpenedScheme(const std::string& scheme) {
  return isOneOf(scheme, kOpenedSchemes);
}

AddressInput AddressInput::parse(const std::string& typed, const std::string& homeFolder,
                                 const std::string& workingFolder) {
  return parse(typed, Context{homeFolder, workingFolder, {}, {}});
}

AddressInput AddressInput::parse(const std::string& typed, const Context& context) {
  std::string text = trimSpace(typed);
  if (text.empty()) return {};
  const bool searching = !context.searchTemplate.empty();
  if (searching && text[0] == '?') {
    std::string words = trimSpace(text.substr(1));
    if (words.empty()) return {};
    return searched(std::move(words), context.searchTemplate);
  }
  const std::string words = text;
  const bool viewSource = startsWithNoCase(text, kViewSource);
  if (viewSource) {
    text = trimSpace(text.substr(sizeof(kViewSource) - 1));
    if (text.empty()) return refused(Refusal::NotAnAddress);
  }
  // A path is never searched, whatever follows the "~".
  const bool path = text[0] == '/' || text[0] == '~';
  text = homeExpanded(text, context.homeFolder);
  if (isWindowsPath(text)) return refused(Refusal::WindowsPath);

  const std::string scheme = schemeOf(text);
  const bool searchable = searching && !viewSource && !path;
  if (scheme.empty()) {
    // A relative name with backslashes is a Windows path too; an absolute one is a Linux file.
    if (text[0] != '/' && text.find('\\') != std::string::npos) {
      return refused(Refusal::WindowsPath);
    }
    if (!couldBeHostOrFile(text, context.workingFolder)) {
      if (searchable) return searched(words, context.searchTemplate);
      return refused(Refusal::NotAnAddress);
    }
    if (searchable && !namesHost(text, context) && !namesFile(text, context.workingFolder)) {
      return searched(words, context.searchTemplate);
    }
  } else if (isOneOf(scheme, kScriptSchemes)) {
    return refused(Refusal::Script, scheme);
  } else if (!isOneOf(scheme, kOpenedSchemes)) {
    return refused(Refusal::UnsupportedScheme, scheme);
  } else if ((scheme == "http" || scheme == "https") && !hasUsableHost(text, scheme)) {
    return refused(Refusal::NoHost, scheme);
  }

  AddressInput input;
  input.verdict_ = Verdict::Open;
  input.address_ = std::move(text);
  input.scheme_ = scheme;
  input.viewSource_ = viewSource;
  return input;
}

}  // namespace corvane
