#include "dialogs/InternetOptions.h"

#include <gtest/gtest.h>

#include "FakeSettingsStore.h"

namespace corvane {
namespace {

// Storing the choices for the next start is driven in the integration tests; here they are kept
// per application, and an entry that is neither on nor off keeps its default.
TEST(InternetOptions, ChoicesAreKeptPerApplicationAndAnOddEntryKeepsItsDefault) {
  FakeSettingsStore store;
  InternetOptions chosen;
  chosen.thirdPartyCookies = false;
  chosen.Save(store, "corvane");
  EXPECT_EQ(InternetOptions::Load(store, "corvane"), chosen);
  EXPECT_EQ(InternetOptions::Load(store, "other"), InternetOptions{});
  store.SaveSetting("corvane", "Internet Options", "JavaScript", "no");
  EXPECT_TRUE(InternetOptions::Load(store, "corvane").javaScript);
}

TEST(InternetOptions, PagesChoicesKeepTheirDefaultsUnlessWholeMinutesWithinAWeek) {
  FakeSettingsStore store;
  InternetOptions chosen;
  chosen.pageStripAlways = true;
  chosen.openLastPages = true;
  chosen.freezeAfterMinutes = 0;
  chosen.discardAfterMinutes = InternetOptions::kMaxMinutes;
  chosen.Save(store, "corvane");
  EXPECT_EQ(InternetOptions::Load(store, "corvane"), chosen);

  const InternetOptions defaults;
  EXPECT_EQ(defaults.freezeAfterMinutes, 10);
  EXPECT_EQ(defaults.discardAfterMinutes, 60);
  for (const char* odd : {"", "-5", " 5", "5m", "10081", "99999999999"}) {
    store.SaveSetting("corvane", "Internet Options", "Freeze Hidden Pages After Minutes", odd);
    EXPECT_EQ(InternetOptions::Load(store, "corvane").freezeAfterMinutes, 10) << odd;
  }
}

}  // namespace
}  // namespace corvane
