#include "panes/AddressSuggestions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeSuggestionList.h"
#include "PaneRig.h"
#include "RecordingHistoryNotices.h"
#include "TempDir.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;
using Kind = Suggestion::Kind;

constexpr std::int64_t kDay = FakeClock::kDayMs;
constexpr std::int64_t kNow = 20000 * kDay;

// The top pane's box and list over a history, some favorites and the bottom pane's page.
struct Rig {
  Rig() {
    visits(10, kNow - 30 * kDay, "http://month.test/", "Debian last month");
    visits(2, kNow - kDay / 2, "https://www.debian.org/doc/", "Debian documentation");
    visits(1, kNow, "http://fav.test/", "Debian favorite page");
    clock.set(kNow);
  }
  void visits(int count, std::int64_t at, const std::string& url, const std::string& title) {
    for (int i = 0; i < count; ++i) {
      clock.set(at + i);
      history.RecordVisit(url, title);
    }
  }
  Strings addresses() const {
    Strings shown;
    for (const Suggestion& entry : list.shown()) shown.push_back(entry.address);
    return shown;
  }

  TempDir dir;
  FakeClock clock{kNow};
  RecordingHistoryNotices notices;
  History history{(dir.path() / "history.sqlite").string(), clock, notices};
  FavoriteLinks favorites{{{"Debian wiki", "https://wiki.debian.test/"},
                           {"Kernel", "https://kernel.test/debian"},
                           {"Debian favorite", "http://fav.test/"},
                           {"News", "https://news.test/"}}};
  PaneRig top, bottom{PaneId::Bottom};
  AddressSuggester suggester{top.search, history, favorites};
  FakeSuggestionList list{top.box};
  AddressSuggestions suggestions{top.pane, top.nav, list, suggester, bottom.browser, history};
};

TEST(AddressSuggestionsTest, SearchThenHistoryByRankThenFavoritesThenTheOtherPanesPage) {
  Rig rig;
  rig.bottom.browser.setLocationURL("https://other.test/debian");
  rig.bottom.browser.setLocationName("Other pane");
  rig.suggestions.Edited("debian", false);
  ASSERT_TRUE(rig.list.open());
  const std::vector<Suggestion> expected = {
      {Kind::Search, "Search for debian", "https://search.test/?q=debian"},
      {Kind::History, "Debian documentation", "https://www.debian.org/doc/"},
      {Kind::History, "Debian favorite page", "http://fav.test/"},
      {Kind::History, "Debian last month", "http://month.test/"},
      {Kind::Favorite, "Debian wiki", "https://wiki.debian.test/"},
      {Kind::Favorite, "Kernel", "https://kernel.test/debian"},
      {Kind::OtherPane, "Other pane", "https://other.test/debian"},
  };
  EXPECT_EQ(rig.list.shown(), expected);

  // Every word has to match; the other pane's page too.
  rig.suggestions.Edited("debian doc", false);
  EXPECT_EQ(rig.addresses(),
            (Strings{"https://search.test/?q=debian%20doc", "https://www.debian.org/doc/"}));
  rig.suggestions.Edited("  ", false);
  EXPECT_FALSE(rig.list.open());
}

TEST(AddressSuggestionsTest, TypingNeverLeavesThePageAndCompletesTheBestHostAsSelectedText) {
  Rig rig;
  rig.top.box.SetText("d");
  rig.suggestions.Edited("d", false);
  EXPECT_EQ(rig.top.box.Text(), "debian.org");
  EXPECT_EQ(rig.list.selected(), "ebian.org");
  // Backspace takes the completion away, and it does not come back at once.
  rig.top.box.SetText("d");
  rig.suggestions.Edited("d", true);
  EXPECT_EQ(rig.top.box.Text(), "d");
  rig.suggestions.Edited("www.deb", false);
  EXPECT_EQ(rig.top.box.Text(), "www.debian.org");
  EXPECT_TRUE(rig.top.browser.navigations().empty());

  EXPECT_TRUE(rig.suggestions.Enter());
  EXPECT_FALSE(rig.list.open());
  EXPECT_EQ(rig.top.browser.navigations(), Strings{"www.debian.org"});
  EXPECT_EQ(rig.top.label.Caption(), "Going to www.debian.org");
}

TEST(AddressSuggestionsTest, ArrowsShowTheHighlightedAddressAndEscPutsBackWhatWasTyped) {
  Rig rig;
  for (auto key : {&AddressSuggestions::Down, &AddressSuggestions::Up, &AddressSuggestions::Enter,
                   &AddressSuggestions::Escape}) {
    EXPECT_FALSE((rig.suggestions.*key)()) << "a closed list leaves keys to the box";
  }
  rig.top.box.SetText("debian");
  rig.suggestions.Edited("debian", false);
  rig.suggestions.Down();
  rig.suggestions.Down();
  EXPECT_EQ(rig.list.highlighted(), 1);
  EXPECT_EQ(rig.top.box.Text(), "https://www.debian.org/doc/");
  rig.suggestions.Up();
  rig.suggestions.Up();
  EXPECT_EQ(rig.list.highlighted(), -1);
  EXPECT_EQ(rig.top.box.Text(), "debian");
  for (int i = 0; i < 20; ++i) rig.suggestions.Down();
  EXPECT_EQ(rig.suggestions.Highlighted(), 5);  // the last entry

  rig.suggestions.Up();
  EXPECT_TRUE(rig.suggestions.Escape());
  EXPECT_FALSE(rig.list.open());
  EXPECT_EQ(rig.top.box.Text(), "debian");
  EXPECT_TRUE(rig.top.browser.navigations().empty());

  rig.suggestions.Edited("debian", false);
  rig.suggestions.Down();
  rig.suggestions.Down();
  rig.suggestions.Enter();
  rig.suggestions.Edited("debian", false);
  rig.suggestions.Chosen(0);
  EXPECT_EQ(rig.top.browser.navigations(),
            (Strings{"https://www.debian.org/doc/", "https://search.test/?q=debian"}));
}

TEST(AddressSuggestionsTest, ShiftDeleteForgetsOnlyAHighlightedPageOfTheHistory) {
  Rig rig;
  rig.suggestions.Edited("debian", false);
  EXPECT_FALSE(rig.suggestions.ShiftDelete()) << "nothing highlighted: the box's Cut";
  rig.suggestions.Down();
  EXPECT_FALSE(rig.suggestions.ShiftDelete()) << "the search entry";
  for (int i = 0; i < 4; ++i) rig.suggestions.Down();
  EXPECT_EQ(rig.list.shown().at(4).kind, Kind::Favorite);
  EXPECT_FALSE(rig.suggestions.ShiftDelete());

  rig.suggestions.Up();
  rig.suggestions.Up();
  ASSERT_EQ(rig.top.box.Text(), "http://fav.test/");
  EXPECT_TRUE(rig.suggestions.ShiftDelete());
  EXPECT_EQ(rig.addresses(), (Strings{"https://search.test/?q=debian",
                                      "https://www.debian.org/doc/", "http://month.test/",
                                      "https://wiki.debian.test/", "https://kernel.test/debian"}));
  EXPECT_EQ(rig.list.highlighted(), 2);
  EXPECT_EQ(rig.top.box.Text(), "http://month.test/");
  EXPECT_EQ(rig.history.Index().Find("http://fav.test/"), nullptr);
  for (const auto& page : rig.history.Visits("").pages) EXPECT_NE(page.url, "http://fav.test/");
}

TEST(AddressSuggestionsTest, AHundredThousandTypedCharactersGiveAShortSearchEntry) {
  Rig rig;
  const std::string typed(100000, 'd');
  rig.suggestions.Edited(typed, false);
  ASSERT_EQ(rig.list.shown().size(), 1u);
  const Suggestion& search = rig.list.shown()[0];
  EXPECT_EQ(search.title, "Search for " + std::string(80, 'd') + "\xE2\x80\xA6");
  EXPECT_EQ(search.address, "https://search.test/?q=" + typed);
  EXPECT_EQ(rig.list.selected(), "");
}

}  // namespace
}  // namespace corvane
