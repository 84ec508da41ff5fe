#include "dialogs/InternetOptions.h"

#include <gtest/gtest.h>

#include "FakeSettingsStore.h"

namespace corvane {
namespace {

TEST(InternetOptions, EverythingIsAllowedUntilTheUserChoosesOtherwise) {
  FakeSettingsStore store;
  EXPECT_EQ(InternetOptions::Load(store, "corvane"), InternetOptions{});
  EXPECT_TRUE(InternetOptions{}.javaScript && InternetOptions{}.images &&
              InternetOptions{}.thirdPartyCookies);
}

TEST(InternetOptions, ChoicesSurviveTheNextStartPerApplication) {
  FakeSettingsStore store;
  InternetOptions chosen;
  chosen.javaScript = false;
  chosen.thirdPartyCookies = false;
  chosen.Save(store, "corvane");
  EXPECT_EQ(store.GetSetting("corvane", "Internet Options", "JavaScript", ""), "0");
  EXPECT_EQ(store.GetSetting("corvane", "Internet Options", "Images", ""), "1");
  EXPECT_EQ(InternetOptions::Load(store, "corvane"), chosen);
  // Another program name keeps settings of its own.
  EXPECT_EQ(InternetOptions::Load(store, "other"), InternetOptions{});
}

TEST(InternetOptions, AnEntryThatIsNeitherOnNorOffKeepsItsDefault) {
  FakeSettingsStore store;
  store.SaveSetting("corvane", "Internet Options", "JavaScript", "no");
  store.SaveSetting("corvane", "Internet Options", "Images", "0");
  const InternetOptions loaded = InternetOptions::Load(store, "corvane");
  EXPECT_TRUE(loaded.javaScript);
  EXPECT_FALSE(loaded.images);
}

TEST(InternetOptions, ARefusingStoreIsReportedToTheCaller) {
  FakeSettingsStore store;
  store.refuseWrites(true);
  EXPECT_THROW(InternetOptions{}.Save(store, "corvane"), std::runtime_error);
}

}  // namespace
}  // namespace corvane
