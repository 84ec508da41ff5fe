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

}  // namespace
}  // namespace corvane
