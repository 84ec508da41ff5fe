#include "dialogs/InternetOptions.h"

#include "base/AsciiText.h"
#include "base/Guarded.h"

namespace corvane {

namespace {

constexpr const char* kJavaScript = "JavaScript";
constexpr const char* kImages = "Images";
constexpr const char* kThirdPartyCookies = "Third-Party Cookies";
constexpr const char* kPageStripAlways = "Page Strip Always";
constexpr const char* kOpenLastPages = "Open Last Pages";
constexpr const char* kFreezeAfter = "Freeze Hidden Pages After Minutes";
constexpr const char* kDiscardAfter = "Discard Hidden Pages After Minutes";
constexpr const char* kSearchEngine = "Search Engine";
constexpr const char* kOtherSearchTemplate = "Other Search Address";

std::string invalidTemplate() {
  return std::string("The search address of \"") + SearchEngines::kOtherName +
         "\" must be a web address that begins with http:// or https://, names a host and holds "
         "%s where the words go, without blanks; for example https://search.example/?q=%s. The "
         "search engine has not been changed.";
}
constexpr const char* kUnknownEngine = "Corvane does not offer this search engine.";

std::string loadText(ISettingsStore& store, const std::string& appName, const char* key,
                     const std::string& fallback) {
  std::string stored = fallback;
  guarded([&] { stored = store.GetSetting(appName, InternetOptions::kSection, key, fallback); });
  return stored;
}

void load(ISettingsStore& store, const std::string& appName, const char* key, bool& choice) {
  std::string stored;
  guarded([&] { stored = store.GetSetting(appName, InternetOptions::kSection, key, ""); });
  if (stored == "1") choice = true;
  if (stored == "0") choice = false;
}

// Plain decimal digits only: a sign, blanks or a unit are not a number of minutes.
void loadMinutes(ISettingsStore& store, const std::string& appName, const char* key, int& minutes) {
  std::string stored;
  guarded([&] { stored = store.GetSetting(appName, InternetOptions::kSection, key, ""); });
  if (stored.empty() || stored.size() > 6) return;
  int value = 0;
  for (char c : stored) {
    if (c < '0' || c > '9') return;
    value = value * 10 + (c - '0');
  }
  if (value <= InternetOptions::kMaxMinutes) minutes = value;
}

void save(ISettingsStore& store, const std::string& appName, const char* key, bool choice) {
  store.SaveSetting(appName, InternetOptions::kSection, key, choice ? "1" : "0");
}

}  // namespace

InternetOptions InternetOptions::Load(ISettingsStore& store, const std::string& appName) {
  InternetOptions options;
  load(store, appName, kJavaScript, options.javaScript);
  load(store, appName, kImages, options.images);
  load(store, appName, kThirdPartyCookies, options.thirdPartyCookies);
  load(store, appName, kPageStripAlways, options.pageStripAlways);
  load(store, appName, kOpenLastPages, options.openLastPages);
  loadMinutes(store, appName, kFreezeAfter, options.freezeAfterMinutes);
  loadMinutes(store, appName, kDiscardAfter, options.discardAfterMinutes);
  const std::string engine = loadText(store, appName, kSearchEngine, options.searchEngine);
  if (engine == SearchEngines::kOtherId || SearchEngines::ById(engine))
    options.searchEngine = engine;
  options.otherSearchTemplate = loadText(store, appName, kOtherSearchTemplate, "");
  return options;
}

void InternetOptions::Save(ISettingsStore& store, const std::string& appName) const {
  save(store, appName, kJavaScript, javaScript);
  save(store, appName, kImages, images);
  save(store, appName, kThirdPartyCookies, thirdPartyCookies);
  save(store, appName, kPageStripAlways, pageStripAlways);
  save(store, appName, kOpenLastPages, openLastPages);
  store.SaveSetting(appName, kSection, kFreezeAfter, std::to_string(freezeAfterMinutes));
  store.SaveSetting(appName, kSection, kDiscardAfter, std::to_string(discardAfterMinutes));
  store.SaveSetting(appName, kSection, kSearchEngine, searchEngine);
  store.SaveSetting(appName, kSection, kOtherSearchTemplate, otherSearchTemplate);
}

std::string InternetOptions::SearchTemplate() const {
  if (searchEngine == SearchEngines::kOtherId &&
      SearchEngines::IsValidTemplate(otherSearchTemplate)) {
    return otherSearchTemplate;
  }
  const SearchEngine* engine = SearchEngines::ById(searchEngine);
  if (!engine) engine = SearchEngines::ById(SearchEngines::kDefaultId);
  return engine->addressTemplate;
}

std::string InternetOptions::ChooseSearch(const std::string& engine,
                                          const std::string& otherTemplate) {
  const bool other = engine == SearchEngines::kOtherId;
  if (!other && !SearchEngines::ById(engine)) return kUnknownEngine;
  const std::string written = trimSpace(otherTemplate);
  const bool valid = SearchEngines::IsValidTemplate(written);
  if (other && !valid) return invalidTemplate();
  searchEngine = engine;
  if (valid || written.empty()) otherSearchTemplate = written;
  return "";
}

}  // namespace corvane
