#include "app/HomePages.h"

#include <string>
#include <utility>
#include <vector>

#include "base/Guarded.h"
#include "base/SharedTexts.h"

namespace corvane {

namespace {

using Defaults = std::vector<std::pair<std::string, std::string>>;

// The value read, or else the default, which is then to be stored so that the file holds it
// next time.
void resolveOne(const std::string& valueRead, const std::string& defaultValue,
                const std::string& section, std::string& field, Defaults& toStore) {
  if (valueRead.empty()) {
    field = defaultValue;
    toStore.emplace_back(section, field);
  } else {
    field = valueRead;
  }
}

}  // namespace

HomePages ResolveHomePages(mdlGen& settings, const std::filesystem::path& programFolder,
                           const std::string& siteBase) {
  HomePages pages;
  Defaults toStore;
  std::string topOnline;
  std::string topOffline;
  std::string bottomOnline;
  std::string bottomOffline;
  guarded([&] { topOnline = settings.ReadSetting(kSectionTopOnline, 1); });
  guarded([&] { topOffline = settings.ReadSetting(kSectionTopOffline, 1); });
  guarded([&] { bottomOnline = settings.ReadSetting(kSectionBottomOnline, 1); });
  guarded([&] { bottomOffline = settings.ReadSetting(kSectionBottomOffline, 1); });

  guarded([&] {
    resolveOne(topOnline, siteBase + "/", kSectionTopOnline, pages.StartingAddress1, toStore);
  });
  guarded([&] {
    resolveOne(topOffline, (programFolder / "cv.html").string(), kSectionTopOffline,
               pages.StartingAddressOffLine1, toStore);
  });
  guarded([&] {
    resolveOne(bottomOnline, siteBase + "/newsandsearch.html", kSectionBottomOnline,
               pages.StartingAddress2, toStore);
  });
  guarded([&] {
    resolveOne(bottomOffline, (programFolder / "CVguide.html").string(), kSectionBottomOffline,
               pages.StartingAddressOffLine2, toStore);
  });
  // The defaults in one write, in the order above.
  if (!toStore.empty()) guarded([&] { settings.TryWriteSettings(toStore, 1); });
  return pages;
}

}  // namespace corvane
