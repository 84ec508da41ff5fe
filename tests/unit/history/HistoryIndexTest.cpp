#include "history/HistoryIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "history/Frecency.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

constexpr std::int64_t kDay = 24LL * 60 * 60 * 1000;
constexpr std::int64_t kNow = 20000 * kDay;

Strings matches(const HistoryIndex& index, const std::string& typed, std::size_t limit = 10) {
  Strings urls;
  for (const HistoryEntry* entry : index.Matches(TypedWords(typed), limit)) {
    urls.push_back(entry->url);
  }
  return urls;
}

void visit(HistoryIndex& index, const std::string& url, const std::string& title, int times,
           std::int64_t at) {
  for (int i = 0; i < times; ++i) index.Visit(url, title, at + i);
}

TEST(HistoryIndexTest, TwoVisitsTodayOutrankTenLastMonthButNotTenLastWeek) {
  HistoryIndex index;
  visit(index, "http://month.test/", "Debian month", 10, kNow - 30 * kDay);
  visit(index, "http://today.test/", "Debian today", 2, kNow - 60 * 60 * 1000);
  visit(index, "http://once.test/", "Debian once", 1, kNow);
  EXPECT_EQ(matches(index, "debian"),
            (Strings{"http://today.test/", "http://once.test/", "http://month.test/"}));
  visit(index, "http://week.test/", "Debian week", 10, kNow - 7 * kDay);
  EXPECT_EQ(matches(index, "debian", 2), (Strings{"http://week.test/", "http://today.test/"}));

  const HistoryEntry* week = index.Find("http://week.test/");
  ASSERT_NE(week, nullptr);
  EXPECT_EQ(week->visitCount, 10);
  EXPECT_EQ(week->lastVisitMs, kNow - 7 * kDay + 9);
  EXPECT_NEAR(Frecency::Weight(week->rank, kNow), 5.0, 1e-6);
  EXPECT_NEAR(Frecency::Weight(Frecency::FirstVisit(kNow), kNow + 14 * kDay), 0.25, 1e-9);
}

TEST(HistoryIndexTest, EveryWordMatchesAtAWordStartOfTheTitleOrTheAddress) {
  HistoryIndex index;
  index.Visit("https://en.wikipedia.org/wiki/Debian", "Debian - Wikipedia", kNow);
  index.Visit("https://www.debian.org/doc/manuals/debian-reference/", "Debian Reference", kNow);
  index.Visit("http://intranet/pages?id=42", "", kNow);
  struct Case {
    const char* typed;
    Strings urls;
  };
  const std::string wiki = "https://en.wikipedia.org/wiki/Debian";
  const std::string reference = "https://www.debian.org/doc/manuals/debian-reference/";
  for (const Case& c : {
           Case{"WIKI", {wiki}},
           Case{"en.wiki", {wiki}},
           Case{"pedia", {}},
           Case{"debian reference", {reference}},
           Case{"  Reference   DEB ", {reference}},
           Case{"debian-ref", {reference}},
           Case{"/doc/", {reference}},
           Case{"debian nothing", {}},
           Case{"id=42", {"http://intranet/pages?id=42"}},
           Case{"=42", {"http://intranet/pages?id=42"}},
           Case{"", {}},
       }) {
    Strings found = matches(index, c.typed);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, c.urls) << c.typed;
  }
}

TEST(HistoryIndexTest, QuotesPercentUnderscoreStarAndNonAsciiMatchAsTyped) {
  HistoryIndex index;
  index.Visit("http://a.test/", "100% pure_water \"quoted\" it's *starred*", kNow);
  index.Visit("http://b.test/", "1000 purewater quoted its starred", kNow);
  index.Visit("http://c.test/", "Grüße aus Köln; DROP TABLE visits", kNow);
  struct Case {
    const char* typed;
    Strings urls;
  };
  for (const Case& c : {
           Case{"100%", {"http://a.test/"}},
           Case{"%", {"http://a.test/"}},
           Case{"pure_", {"http://a.test/"}},
           Case{"_water", {"http://a.test/"}},
           Case{"\"quoted\"", {"http://a.test/"}},
           Case{"it's", {"http://a.test/"}},
           Case{"*", {"http://a.test/"}},
           Case{"grüße köln", {"http://c.test/"}},
           Case{"GRÜSSE", {}},
           Case{"grüsse", {}},
           Case{"drop table", {"http://c.test/"}},
           Case{"'; drop", {}},
       }) {
    EXPECT_EQ(matches(index, c.typed), c.urls) << c.typed;
  }
}

// The index looks entries up by word; reading every entry must find the same ones.
TEST(HistoryIndexTest, LookUpByWordFindsWhatReadingEveryEntryFinds) {
  const Strings parts = {"deb", "debian", "Debian", "wiki", "ref",  "a", "ab", "abc", "x_y", "%",
                         "'",   "über",   "www",    "org",  "test", "-", ".",  "/",   "?",   " "};
  std::mt19937 random(7);
  const auto pick = [&] { return parts[random() % parts.size()]; };
  HistoryIndex index;
  std::map<std::string, std::string> titles;  // what the index should hold
  for (int i = 0; i < 600; ++i) {
    std::string title, path;
    for (int w = 0; w < 4; ++w) title += pick() + (random() % 2 ? " " : "");
    for (int w = 0; w < 3; ++w) path += pick();
    const std::string url = "http://h" + std::to_string(i % 40) + ".test/" + path;
    index.Visit(url, title, kNow + i);
    if (!title.empty()) titles[url] = title;
    titles.emplace(url, "");
    if (i % 7 == 0) index.SetTitle(url, titles[url] = pick() + " " + pick());
    if (i % 11 == 0) {
      index.Remove(url);
      titles.erase(url);
    }
  }
  ASSERT_EQ(index.size(), titles.size());
  for (int q = 0; q < 400; ++q) {
    std::string typed = pick();
    if (q % 3 == 0) typed += " " + pick() + pick();
    const TypedWords words(typed);
    Strings expected;
    for (const auto& [url, title] : titles) {
      if (!words.empty() && words.Matches(title, url)) expected.push_back(url);
    }
    Strings found = matches(index, typed, titles.size());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected) << typed;
  }
}

TEST(HistoryIndexTest, TitlesChangedAndAddressesRemovedAreFoundNoMore) {
  HistoryIndex index;
  index.Visit("http://a.test/", "Old title", kNow);
  index.SetTitle("http://a.test/", "New name");
  EXPECT_EQ(matches(index, "old"), Strings{});
  EXPECT_EQ(matches(index, "new"), Strings{"http://a.test/"});
  index.Visit("http://a.test/", "", kNow + 1);  // a visit without a title keeps the one known
  EXPECT_EQ(index.Find("http://a.test/")->title, "New name");
  index.Remove("http://a.test/");
  EXPECT_EQ(index.Find("http://a.test/"), nullptr);
  EXPECT_EQ(matches(index, "new"), Strings{});
  EXPECT_FALSE(index.IsKnownHost("a.test"));
  index.Visit("http://b.test/", "New again", kNow);
  EXPECT_EQ(matches(index, "new"), Strings{"http://b.test/"});
  EXPECT_EQ(index.size(), 1u);

  index.Reset({{"http://c.test/", "Cee", 3, kNow, Frecency::FirstVisit(kNow)}});
  EXPECT_EQ(matches(index, "new"), Strings{});
  EXPECT_EQ(matches(index, "cee"), Strings{"http://c.test/"});
}

TEST(HistoryIndexTest, TheBestRankedHostThatStartsWithTheTypedTextCompletesIt) {
  HistoryIndex index;
  visit(index, "https://www.debian.org/doc/", "Debian", 3, kNow);
  visit(index, "http://debconf.test:8080/", "DebConf", 1, kNow);
  visit(index, "https://user@wiki.debian.org/Start", "Wiki", 1, kNow);
  struct Case {
    const char* typed;
    const char* completed;
  };
  for (const Case& c : {
           Case{"d", "debian.org"},
           Case{"DebC", "DebConf.test"},
           Case{"www.d", "www.debian.org"},
           Case{"https://deb", "https://debian.org"},
           Case{"debian.org", "debian.org"},
           Case{"wiki", "wiki.debian.org"},
           Case{"debian.org/", "debian.org/"},
           Case{"debconf.test:", "debconf.test:"},
           Case{"deb ian", "deb ian"},
           Case{"x", "x"},
           Case{"", ""},
       }) {
    EXPECT_EQ(index.HostCompletion(c.typed), c.completed) << c.typed;
  }
  for (const char* host : {"www.debian.org", "debian.org", "debconf.test", "wiki.debian.org"}) {
    EXPECT_TRUE(index.IsKnownHost(host)) << host;
  }
  EXPECT_FALSE(index.IsKnownHost("debian"));
  EXPECT_EQ(HistoryIndex::HostOf("HTTP://U:P@Host.Test:81/x?y"), "host.test");
  EXPECT_EQ(HistoryIndex::HostOf("http://[::1]:8080/"), "[::1]");
  EXPECT_EQ(HistoryIndex::HostOf("file:///tmp/a.html"), "");
  EXPECT_EQ(HistoryIndex::HostOf("about:blank"), "");
}

TEST(HistoryIndexTest, AHundredThousandTypedCharactersAreCutToAFewWords) {
  HistoryIndex index;
  index.Visit("http://a.test/", "aaaa", kNow);
  const std::string typed(100000, 'a');
  EXPECT_EQ(matches(index, typed), Strings{});
  EXPECT_EQ(index.HostCompletion(typed), typed);
  std::string many;
  for (int i = 0; i < 50000; ++i) many += "a ";
  EXPECT_EQ(TypedWords(many).words().size(), TypedWords::kMaxWords);
  EXPECT_EQ(matches(index, many), Strings{"http://a.test/"});
}

}  // namespace
}  // namespace corvane
