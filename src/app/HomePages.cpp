#include "app/HomePages.h"

#include "base/Guarded.h"
#include "base/SharedTexts.h"

namespace corvane {

namespace {

// The value read, or else the default, which is then stored so that the file holds it next time.
void resolveOne(mdlGen& settings, const std::string& valueRead, const std::string& defaultValue,
                const std::string& section, std::string& field) {
  if (valueRead.empty()) {
    field = defaultValue;
    settings.WriteSetting(section, 1, field);
  } else {
    field = valueRead;
  }
}

}  // namespace

HomePages ResolveHomePages(mdlGen& settings, const std::filesystem::path& programFolder,
                           const std::string& siteBase) {
  HomePages pages;
  std::string topOnline;
  std::string topOffline;
  std::string bottomOnline;
  std::string bottomOffline;
  guarded([&] { topOnline = settings.ReadSetting(kSectionTopOnline, 1); });
  guarded([&] { topOffline = settings.ReadSetting(kSectionTopOffline, 1); });
  guarded([&] { bottomOnline = settings.ReadSetting(kSectionBottomOnline, 1); });
  guarded([&] { bottomOffline = settings.ReadSetting(kSectionBottomOffline, 1); });

  guarded([&] {
    resolveOne(settings, topOnline, siteBase + "/", kSectionTopOnline, pages.StartingAddress1);
  });
  guarded([&] {
    resolveOne(settings, topOffline, (programFolder / "cv.html").string(), kSectionTopOffline,
               pages.StartingAddressOffLine1);
  });
  guarded([&] {
    resolveOne(settings, bottomOnline, siteBase + "/newsandsearch.html", kSectionBottomOnline,
               pages.StartingAddress2);
  });
  guarded([&] {
    resolveOne(settings, bottomOffline, (programFolder / "CVguide.html").string(),
               kSectionBottomOffline, pages.StartingAddressOffLine2);
  });
  return pages;
}

}  // namespace corvane
