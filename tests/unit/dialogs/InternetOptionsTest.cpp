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

TEST(InternetOptions, WordsAreSearchedWithAPrivateEngineUntilAnotherIsChosen) {
  FakeSettingsStore store;
  EXPECT_EQ(InternetOptions::Load(store, "corvane").SearchTemplate(),
            "https://duckduckgo.com/?q=%s");

  InternetOptions chosen;
  chosen.searchEngine = "startpage";
  chosen.Save(store, "corvane");
  EXPECT_EQ(InternetOptions::Load(store, "corvane").SearchTemplate(),
            "https://www.startpage.com/do/search?q=%s");

  // Other's template is kept as written, and used once it is a web address holding "%s".
  chosen.searchEngine = "other";
  for (const char* written : {"https://find.test/s?q=%s&lang=en", "HTTP://find.test/%s"}) {
    chosen.otherSearchTemplate = written;
    chosen.Save(store, "corvane");
    EXPECT_EQ(InternetOptions::Load(store, "corvane"), chosen);
    EXPECT_EQ(InternetOptions::Load(store, "corvane").SearchTemplate(), written);
  }
  for (const char* invalid : {"", "https://find.test/?q=", "ftp://find.test/%s", "find.test/%s",
                              "https://%s/", "https:///?q=%s", "https://find.test/?q=%s &x"}) {
    chosen.otherSearchTemplate = invalid;
    EXPECT_EQ(chosen.SearchTemplate(), "https://duckduckgo.com/?q=%s") << invalid;
  }

  store.SaveSetting("corvane", "Internet Options", "Search Engine", "askjeeves");
  EXPECT_EQ(InternetOptions::Load(store, "corvane").searchEngine, "duckduckgo");
}

// The dialog's choice: Other only with an address it can search, another engine without
// losing Other's address.
TEST(InternetOptions, OtherIsChosenOnlyWithAValidAddressAndAnotherEngineKeepsIt) {
  InternetOptions options;
  for (const char* invalid : {"", "https://find.test/?q=", "find me"}) {
    const std::string refused = options.ChooseSearch("other", invalid);
    EXPECT_NE(refused.find("\"Other…\""), std::string::npos) << invalid;
    EXPECT_EQ(options, InternetOptions{}) << invalid;
  }
  EXPECT_EQ(options.ChooseSearch("other", " https://find.test/?q=%s\n"), "");
  EXPECT_EQ(options.SearchTemplate(), "https://find.test/?q=%s");

  EXPECT_EQ(options.ChooseSearch("brave", "half an addr"), "");
  EXPECT_EQ(options.SearchTemplate(), "https://search.brave.com/search?q=%s");
  EXPECT_EQ(options.otherSearchTemplate, "https://find.test/?q=%s");
  EXPECT_EQ(options.ChooseSearch("bing", ""), "");
  EXPECT_EQ(options.otherSearchTemplate, "");
  EXPECT_NE(options.ChooseSearch("askjeeves", ""), "");
  EXPECT_EQ(options.searchEngine, "bing");
}

}  // namespace
}  // namespace corvane
