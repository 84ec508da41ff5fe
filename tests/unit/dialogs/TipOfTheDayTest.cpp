#include "dialogs/TipOfTheDay.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <string>

#include "FakeRandom.h"
#include "FakeSettingsStore.h"
#include "TempDir.h"

namespace corvane {
namespace {

const char kApp[] = "corvane";

// The window as the logic sees it.
class FakeTipView : public ITipWindowView {
 public:
  std::string text;
  int textSets = 0;
  bool checked = false;
  bool unloaded = false;

  void SetTipText(const std::string& t) override {
    text = t;
    ++textSets;
  }
  bool LoadTipsAtStartup() const override { return checked; }
  void SetLoadTipsAtStartup(bool c) override { checked = c; }
  void Unload() override { unloaded = true; }
};

struct Rig {
  TempDir dir;
  FakeTipView view;
  FakeSettingsStore store;
  FakeRandom random;
  TipOfTheDay tip{view, store, random, kApp, dir.path().string()};

  void tipsFile(const std::string& bytes) { dir.writeFile("TIPOFDAY.TXT", bytes); }
  std::string stored() { return store.GetSetting(kApp, "Options", "Show Tips at Startup", "?"); }
};

TEST(TipOfTheDay, FirstRunChecksTheBoxStoresItAndShowsARandomTip) {
  Rig rig;
  rig.tipsFile("First tip\r\nSecond tip\r\nThird tip\r\n");
  rig.random.script({0.5});
  rig.tip.Form_Load();
  EXPECT_FALSE(rig.view.unloaded);
  EXPECT_TRUE(rig.view.checked);
  EXPECT_EQ(rig.stored(), "1");
  EXPECT_EQ(rig.random.seedings(), 1);
  EXPECT_EQ(rig.tip.CurrentTip(), 2);
  EXPECT_EQ(rig.view.text, "Second tip");
}

TEST(TipOfTheDay, TipsSwitchedOffUnloadAtOnceWithoutReadingOrStoringAnything) {
  Rig rig;
  rig.tipsFile("A tip\r\n");
  rig.store.SaveSetting(kApp, "Options", "Show Tips at Startup", "0");
  rig.tip.Form_Load();
  EXPECT_TRUE(rig.view.unloaded);
  EXPECT_FALSE(rig.view.checked);
  EXPECT_EQ(rig.view.textSets, 0);
  EXPECT_TRUE(rig.tip.Tips().empty());
  EXPECT_EQ(rig.random.seedings(), 0);
  EXPECT_EQ(rig.store.writes(), 1);
}

TEST(TipOfTheDay, OnlyANumberEqualToZeroSwitchesTipsOff) {
  for (const char* off : {"0", "00", " 0 ", "-0", "0.0"}) EXPECT_TRUE(TipsSwitchedOff(off)) << off;
  for (const char* on : {"1", "2", "-1", "", " ", "off", "no", "0abc", "zero"}) {
    EXPECT_FALSE(TipsSwitchedOff(on)) << on;
  }
  // Garbage leaves the window open, and the checked box writes a clean "1" over it.
  Rig rig;
  rig.tipsFile("A tip\n");
  rig.store.SaveSetting(kApp, "Options", "Show Tips at Startup", "garbage");
  rig.tip.Form_Load();
  EXPECT_FALSE(rig.view.unloaded);
  EXPECT_EQ(rig.stored(), "1");
  EXPECT_EQ(rig.view.text, "A tip");
}

TEST(TipOfTheDay, TipsAreTheNonEmptyLinesWholeAndInFileOrder) {
  Rig rig;
  // Blank lines (CRLF or bare LF) between tips, blanks inside a tip, no line end at the end.
  rig.tipsFile("\r\n  Indented tip  \r\n\r\n\nSecond; not a comment\n\r\nLast tip");
  rig.tip.Form_Load();
  EXPECT_EQ(rig.tip.Tips(),
            (std::vector<std::string>{"  Indented tip  ", "Second; not a comment", "Last tip"}));
  for (int i = 0; i < 20; ++i) {
    rig.tip.cmdNextTip_Click();
    EXPECT_FALSE(rig.view.text.empty());
    EXPECT_EQ(rig.view.text.find('\r'), std::string::npos);
  }
}

TEST(TipOfTheDay, AOneLineFileShowsThatLineOnEveryNextTip) {
  Rig rig;
  rig.tipsFile("The only tip\r\n");
  rig.random.script({0.0, 0.3, 0.999999, 0.7});
  rig.tip.Form_Load();
  for (int i = 0; i < 3; ++i) {
    rig.view.text.clear();
    rig.tip.cmdNextTip_Click();
    EXPECT_EQ(rig.view.text, "The only tip");
  }
}

TEST(TipOfTheDay, DrawsSpreadEvenlyOverThreeTips) {
  Rig rig;
  rig.tipsFile("one\r\ntwo\r\nthree\r\n");
  rig.tip.Form_Load();
  // Draws spread evenly over [0, 1): each tip must come up exactly a third of the time.
  constexpr int kDraws = 3000;
  std::deque<double> draws;
  for (int k = 0; k < kDraws; ++k) draws.push_back((k + 0.5) / kDraws);
  rig.random.script(draws);
  std::array<int, 3> seen{};
  for (int k = 0; k < kDraws; ++k) {
    rig.tip.cmdNextTip_Click();
    ASSERT_GE(rig.tip.CurrentTip(), 1);
    ASSERT_LE(rig.tip.CurrentTip(), 3);
    ++seen[static_cast<std::size_t>(rig.tip.CurrentTip() - 1)];
  }
  EXPECT_EQ(seen, (std::array<int, 3>{1000, 1000, 1000}));
  // The edges of each third.
  rig.random.script({0.3333, 1.0 / 3.0, 0.9999999});
  rig.tip.cmdNextTip_Click();
  EXPECT_EQ(rig.view.text, "one");
  rig.tip.cmdNextTip_Click();
  EXPECT_EQ(rig.view.text, "two");
  rig.tip.cmdNextTip_Click();
  EXPECT_EQ(rig.view.text, "three");
}

TEST(TipOfTheDay, AFileOfBlankLinesShowsNothingAndNoMessage) {
  Rig rig;
  rig.tipsFile("\r\n\r\n\n");
  rig.tip.Form_Load();
  EXPECT_TRUE(rig.tip.Tips().empty());
  EXPECT_EQ(rig.tip.CurrentTip(), 1);
  rig.tip.cmdNextTip_Click();
  EXPECT_EQ(rig.view.textSets, 0);
  EXPECT_FALSE(rig.view.unloaded);
}

TEST(TipOfTheDay, AMissingTipsFileShowsHowToCreateIt) {
  Rig rig;
  rig.tip.Form_Load();
  const std::string expected =
      "That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named TIPOFDAY.TXT "
      "using NotePad with 1 tip per line. Then place it in the same directory as the "
      "application. ";
  EXPECT_EQ(rig.view.text, expected);
  EXPECT_FALSE(rig.view.unloaded);
  EXPECT_EQ(rig.stored(), "1");
  // Next Tip has nothing to show.
  rig.tip.cmdNextTip_Click();
  EXPECT_EQ(rig.view.text, expected);
  // A folder in the file's place, or no path at all, is no tips file either.
  Rig folder;
  std::filesystem::create_directory(folder.dir.path() / "TIPOFDAY.TXT");
  folder.tip.Form_Load();
  EXPECT_EQ(folder.view.text, expected);
  EXPECT_FALSE(folder.tip.LoadTips(""));
}

TEST(TipOfTheDay, TheCheckBoxStoresItsStateAtOnce) {
  Rig rig;
  rig.tipsFile("A tip\r\n");
  rig.tip.Form_Load();
  rig.view.checked = false;
  rig.tip.chkLoadTipsAtStartup_Click();
  EXPECT_EQ(rig.stored(), "0");
  EXPECT_FALSE(rig.view.unloaded);
  rig.view.checked = true;
  rig.tip.chkLoadTipsAtStartup_Click();
  EXPECT_EQ(rig.stored(), "1");
  rig.tip.cmdOK_Click();
  EXPECT_TRUE(rig.view.unloaded);
}

TEST(TipOfTheDay, AStoreThatRefusesWritesStillLeavesATipShown) {
  Rig rig;
  rig.tipsFile("A tip\r\n");
  rig.store.refuseWrites(true);
  rig.tip.Form_Load();
  EXPECT_TRUE(rig.view.checked);
  EXPECT_EQ(rig.view.text, "A tip");
}

TEST(TipOfTheDay, SingleByteTipsAreShownAsTheCharactersTheyMean) {
  Rig rig;
  // Code page 1252: e acute, curly quotes, euro sign; then a tip already in UTF-8.
  rig.tipsFile("Caf\xE9 \x93quoted\x94 \x80\r\nUTF-8 already: caf\xC3\xA9\r\n");
  rig.tip.Form_Load();
  EXPECT_EQ(rig.tip.Tips(), (std::vector<std::string>{"Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D "
                                                      "\xE2\x82\xAC",
                                                      "UTF-8 already: caf\xC3\xA9"}));
}

}  // namespace
}  // namespace corvane
