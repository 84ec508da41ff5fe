#include "dialogs/InternetOptions.h"

#include <gtest/gtest.h>

#include "FakeSettingsStore.h"

namespace corvane {
namespace {

// Everything is allowed until the user chooses otherwise; the choices are kept per application.
TEST(InternetOptions, ChoicesAreKeptPerApplicationForTheNextStart) {
  FakeSettingsStore store;
  EXPECT_EQ(InternetOptions::Load(store, "corvane"), InternetOptions{});
  EXPECT_TRUE(InternetOptions{}.javaScript && InternetOptions{}.images &&
              InternetOptions{}.thirdPartyCookies);
  InternetOptions chosen;
  chosen.javaScript = false;
  chosen.thirdPartyCookies = false;
  chosen.Save(store, "corvane");
  EXPECT_EQ(store.GetSetting("corvane", "Internet Options", "Images", ""), "1");
  EXPECT_EQ(InternetOptions::Load(store, "corvane"), chosen);
  EXPECT_EQ(InternetOptions::Load(store, "other"), InternetOptions{});
  // An entry that is neither on nor off keeps its default.
  store.SaveSetting("corvane", "Internet Options", "JavaScript", "no");
  EXPECT_TRUE(InternetOptions::Load(store, "corvane").javaScript);
}

}  // namespace
}  // namespace corvane
