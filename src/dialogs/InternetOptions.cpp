#include "dialogs/InternetOptions.h"

#include "base/Guarded.h"

namespace corvane {

namespace {

constexpr const char* kJavaScript = "JavaScript";
constexpr const char* kImages = "Images";
constexpr const char* kThirdPartyCookies = "Third-Party Cookies";

void load(ISettingsStore& store, const std::string& appName, const char* key, bool& choice) {
  std::string stored;
  guarded([&] { stored = store.GetSetting(appName, InternetOptions::kSection, key, ""); });
  if (stored == "1") choice = true;
  if (stored == "0") choice = false;
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
  return options;
}

void InternetOptions::Save(ISettingsStore& store, const std::string& appName) const {
  save(store, appName, kJavaScript, javaScript);
  save(store, appName, kImages, images);
  save(store, appName, kThirdPartyCookies, thirdPartyCookies);
}

}  // namespace corvane
