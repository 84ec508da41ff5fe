#include "dialogs/InternetOptions.h"

#include <gtest/gtest.h>

#include "FakeSettingsStore.h"

namespace corvane {
namespace {

TEST(InternetOptions, EverythingIsAllowedUntilTheUserChoosesOtherwise) {
  FakeSettingsStore store;
  const InternetOptions defaults = InternetOptions::Load(store, "corvane");
  EXPECT_TRUE(defaults.javaScript && defaults.images && defaults.thirdPartyCookies);
  // An entry that is neither on nor off keeps its default.
  store.SaveSetting("corvane", "Internet Options", "JavaScript", "no");
  EXPECT_TRUE(InternetOptions::Load(store, "corvane").javaScript);
}

TEST(InternetOptions, ChoicesAreKeptPerApplicationForTheNextStart) {
  FakeSettingsStore store;
  InternetOptions chosen;
  chosen.javaScript = false;
  chosen.thirdPartyCookies = false;
  chosen.Save(store, "corvane");
  EXPECT_EQ(store.GetSetting("corvane", "Internet Options", "JavaScript", ""), "0");
  EXPECT_EQ(store.GetSetting("corvane", "Internet Options", "Images", ""), "1");
  EXPECT_EQ(InternetOptions::Load(store, "corvane"), chosen);
  EXPECT_EQ(InternetOptions::Load(store, "other"), InternetOptions{});
}

}  // namespace
}  // namespace corvane
