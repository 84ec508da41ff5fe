#pragma once

#include <string>
#include <vector>

namespace corvane {

// A web search engine the address box can send words to.
struct SearchEngine {
  // Stored in the settings; never shown.
  const char* id;
  // Shown in Internet Options.
  const char* name;
  // The search address, "%s" standing for the words.
  const char* addressTemplate;
};

// The engines offered in Internet Options, and how words become a search address.
class SearchEngines {
 public:
  // The engine used until the user chooses another: one that keeps no profile of its users.
  static constexpr const char* kDefaultId = "duckduckgo";
  // The id of "Other…", whose address template the user writes, and its name.
  static constexpr const char* kOtherId = "other";
  static constexpr const char* kOtherName = "Other…";
  // What stands for the words in an address template.
  static constexpr const char* kWordsMark = "%s";

  // The offered engines, the default first.
  static const std::vector<SearchEngine>& All();
  // The engine of that id; nullptr when there is none.
  static const SearchEngine* ById(const std::string& id);

  // A template a user may choose: a web address (http or https) with a host and "%s" in it.
  static bool IsValidTemplate(const std::string& addressTemplate);
  // The template with every "%s" replaced by the words, percent-encoded as UTF-8 so that any
  // character a user types reaches the engine as typed ("a b" as a%20b, "%" as %25).
  static std::string SearchAddress(const std::string& addressTemplate, const std::string& words);
};

}  // namespace corvane
