#include "dialogs/TipOfTheDay.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "FakeMessageBox.h"
#include "FakeSettingsStore.h"
#include "TempDir.h"
#include "platform/IRandom.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;
const char kApp[] = "corvane";

// Random numbers from a script; when it runs out, 0. Counts the seedings.
class FakeRandom : public IRandom {
 public:
  void Randomize() override { ++seedings_; }
  double Rnd() override {
    if (draws_.empty()) return 0.0;
    const double r = draws_.front();
    draws_.pop_front();
    return r;
  }

  void script(std::deque<double> draws) { draws_ = std::move(draws); }
  int seedings() const { return seedings_; }

 private:
  std::deque<double> draws_;
  int seedings_ = 0;
};

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
  explicit Rig(const char* tips = nullptr) {
    if (tips) dir.writeFile("TIPOFDAY.TXT", tips);
  }
  std::string stored() { return store.GetSetting(kApp, "Options", "Show Tips at Startup", "-"); }
  void storeChoice(const char* value) {
    store.SaveSetting(kApp, "Options", "Show Tips at Startup", value);
  }

  TempDir dir;
  FakeTipView view;
  FakeSettingsStore store;
  FakeRandom random;
  FakeMessageBox messages;
  TipOfTheDay tip{view, store, random, messages, kApp, dir.path().string()};
};

TEST(TipOfTheDay, OnlyAStoredZeroKeepsTheWindowAway) {
  for (const char* off : {"0", "00", " 0 ", "-0", "0.0"}) EXPECT_TRUE(TipsSwitchedOff(off)) << off;
  for (const char* on : {"1", "2", "", " ", "off", "0abc"}) EXPECT_FALSE(TipsSwitchedOff(on)) << on;

  Rig off("A tip\r\n");
  off.storeChoice("0");
  off.tip.Form_Load();
  EXPECT_TRUE(off.view.unloaded);
  EXPECT_FALSE(off.view.checked);
  EXPECT_EQ(off.view.textSets + off.random.seedings() + static_cast<int>(off.tip.Tips().size()), 0);
  EXPECT_EQ(off.store.writes(), 1);

  // Anything else keeps it, and the checked box writes a clean "1" over it.
  Rig garbage("A tip\n");
  garbage.storeChoice("garbage");
  garbage.tip.Form_Load();
  EXPECT_FALSE(garbage.view.unloaded);
  EXPECT_EQ(garbage.stored(), "1");
}

TEST(TipOfTheDay, TipsAreTheNonEmptyLinesWholeAndInOrder) {
  Rig rig("\r\n  Indented tip  \r\n\r\n\nSecond; not a comment\n\r\nLast tip");
  rig.tip.Form_Load();
  EXPECT_EQ(rig.tip.Tips(), (Strings{"  Indented tip  ", "Second; not a comment", "Last tip"}));
  // Single-byte text (code page 1252) is shown as the characters it means; UTF-8 stays.
  Rig latin("Caf\xE9 \x93quoted\x94 \x80\r\nUTF-8: caf\xC3\xA9\r\n");
  latin.tip.Form_Load();
  EXPECT_EQ(latin.tip.Tips(), (Strings{"Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x82\xAC",
                                       "UTF-8: caf\xC3\xA9"}));
}

TEST(TipOfTheDay, DrawsSpreadEvenlyOverTheTips) {
  Rig one("The only tip\r\n");
  one.random.script({0.0, 0.3, 0.999999});
  one.tip.Form_Load();
  one.tip.cmdNextTip_Click();
  one.tip.cmdNextTip_Click();
  EXPECT_EQ(one.view.text, "The only tip");
  EXPECT_EQ(one.view.textSets, 3);
  EXPECT_EQ(one.random.seedings(), 1);  // once, at the load

  // Each tip takes an equal share of the draws.
  Rig rig("one\r\ntwo\r\nthree\r\n");
  rig.tip.Form_Load();
  rig.random.script({0.3333, 1.0 / 3.0, 0.6666, 2.0 / 3.0, 0.9999999});
  for (const char* expected : {"one", "two", "two", "three", "three"}) {
    rig.tip.cmdNextTip_Click();
    EXPECT_EQ(rig.view.text, expected);
  }
}

TEST(TipOfTheDay, WithoutTipsTheLabelSaysHowToCreateThemOrStaysEmpty) {
  const std::string message =
      "That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named TIPOFDAY.TXT "
      "using NotePad with 1 tip per line. Then place it in the same directory as the "
      "application. ";
  Rig missing;
  missing.tip.Form_Load();
  missing.tip.cmdNextTip_Click();
  EXPECT_EQ(missing.view.text, message);
  EXPECT_FALSE(missing.view.unloaded);
  EXPECT_EQ(missing.stored(), "1");
  // A folder in the file's place is no tips file either.
  Rig folder;
  std::filesystem::create_directory(folder.dir.path() / "TIPOFDAY.TXT");
  folder.tip.Form_Load();
  EXPECT_EQ(folder.view.text, message);
  // A file of blank lines: no tip and no message.
  Rig blank("\r\n\r\n\n");
  blank.tip.Form_Load();
  blank.tip.cmdNextTip_Click();
  EXPECT_EQ(blank.view.textSets, 0);
}

// A store that cannot be written keeps no tip away and says nothing at the load; what the user's
// click on the box then meets is driven end to end.
TEST(TipOfTheDay, AStoreThatCannotBeWrittenStillShowsTheTipsSilently) {
  Rig readOnly("A tip\r\n");
  readOnly.store.refuseWrites(true);
  readOnly.tip.Form_Load();
  EXPECT_TRUE(readOnly.view.checked);
  EXPECT_EQ(readOnly.view.text, "A tip");
  EXPECT_TRUE(readOnly.messages.shown().empty());
}

}  // namespace
}  // namespace corvane
