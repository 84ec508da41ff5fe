#include "panes/PaneCommands.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CommandsRig.h"
#include "FakeReaderView.h"
#include "PagesRig.h"
#include "panes/PaneKeys.h"
#include "platform/IPaneKeyTargets.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

constexpr int kBack = 1;
constexpr int kForward = 2;

// Which button runs which command, and Home read at each press, are driven end to end.
TEST(PaneCommandsTest, HomeWithoutASettingsFilePassesTheEmptyAddressOnAndOtherKeysDoNothing) {
  CommandsRig r;
  r.topCommands.ButtonClick("Home");
  EXPECT_EQ(r.top.browser.navigations(), Strings{""});
  // Keys are compared exactly.
  for (const char* key : {"back", "Home ", "", "Favorites"}) r.topCommands.ButtonClick(key);
  EXPECT_EQ(r.top.browser.calls().size(), 1u);
  EXPECT_EQ(r.favoritesToggles, 0);
}

// The toolbar's steps through a folder, and a web page ending folder view, are driven end to end.
// While folder view is on the control's history does not move the buttons; once it ends they
// show the history as the control last reported it.
TEST(PaneCommandsTest, TheHistoryMovesTheButtonsOnlyOutsideFolderView) {
  CommandsRig r;
  TempDir folder;
  for (const char* name : {"1.html", "2.html", "3.html"}) folder.writeFile(name, "x");
  r.fileDialog.choose((folder.path() / "2.html").string());
  r.topCommands.folderView().OpenLocalFile();
  r.topCommands.ButtonClick("Back");
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kBack));
  r.top.browser.eventSink()->CommandStateChange(CSC_NAVIGATEBACK, true);
  r.top.browser.eventSink()->CommandStateChange(CSC_NAVIGATEFORWARD, false);
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kBack));
  EXPECT_TRUE(r.top.toolbar.ButtonEnabled(kForward));

  r.top.box.SetText("http://plain.example/");
  r.top.browser.eventSink()->DownloadComplete();
  EXPECT_FALSE(r.top.pane.LocalFile);
  EXPECT_TRUE(r.top.toolbar.ButtonEnabled(kBack));
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kForward));
  r.top.browser.eventSink()->CommandStateChange(CSC_NAVIGATEFORWARD, true);
  EXPECT_TRUE(r.top.toolbar.ButtonEnabled(kForward));
}

// A load stopped (the Stop button, Esc) is heard as stopped, not as a page loaded; Stop with
// nothing loading says nothing; the next load's end is heard again.
TEST(PaneCommandsTest, AStoppedLoadIsHeardAsStopped) {
  CommandsRig r;
  PaneRig& top = r.top;
  top.browser.setLocationName("A");
  top.browser.setBusy(true);
  r.topCommands.ButtonClick("Stop");
  EXPECT_EQ(top.label.Caption(), "Page Title: A");
  r.topCommands.ButtonClick("Stop");
  top.browser.setBusy(true);
  top.browser.eventSink()->StatusTextChange("Loading");
  top.browser.eventSink()->DownloadComplete();
  EXPECT_EQ(top.label.announced(), (Strings{"Loading stopped", "Page loaded: A"}));
}

// Records the calls: "OpenFind", "FindNext", "FocusAddress", "ReloadBypassingCache".
class FakePaneKeyTargets : public IPaneKeyTargets {
 public:
  void OpenFind() override { calls.push_back("OpenFind"); }
  void FindNext() override { calls.push_back("FindNext"); }
  void FocusAddress() override { calls.push_back("FocusAddress"); }
  void ReloadBypassingCache() override { calls.push_back("ReloadBypassingCache"); }

  std::vector<std::string> calls;
};

struct KeysRig : CommandsRig {
  FakePaneKeyTargets topExtras;
  FakePaneKeyTargets bottomExtras;
  FakeReaderView topReader;
  FakeReaderView bottomReader;
  PaneKeys keys{{topCommands, topExtras, topReader}, {bottomCommands, bottomExtras, bottomReader}};
};

// A key acts on the pane that holds the focus, a text field keeps its editing keys, and Esc
// stops a loading page: end to end. Here the browser keys from a box, Esc in a box of a pane
// that is loading (the box's, not the pane's), Esc on a pane that is not loading, and the focus
// outside both panes.
TEST(PaneKeysTest, AKeyActsOnThePaneThatHoldsTheFocus) {
  KeysRig r;
  const std::optional<PaneId> none;
  for (PaneKey key : {PaneKey::Find, PaneKey::FindNext, PaneKey::Back, PaneKey::Address}) {
    EXPECT_EQ(r.keys.TargetOf(key, PaneId::Bottom, true), PaneId::Bottom);
    EXPECT_EQ(r.keys.TargetOf(key, none, false), none);
  }
  r.bottom.browser.setBusy(true);
  EXPECT_EQ(r.keys.TargetOf(PaneKey::Stop, PaneId::Bottom, false), PaneId::Bottom);
  EXPECT_EQ(r.keys.TargetOf(PaneKey::Stop, PaneId::Bottom, true), none);
  EXPECT_EQ(r.keys.TargetOf(PaneKey::Stop, PaneId::Top, false), none);
}

// Each key reaches its own command of the pane it acts on, and the other pane is left alone; the
// keys the end-to-end tests press are theirs, here those they do not.
TEST(PaneKeysTest, EachKeyRunsItsCommandOnItsPaneOnly) {
  KeysRig r;
  for (PaneKey key : {PaneKey::Cut, PaneKey::SelectAll, PaneKey::Print}) {
    r.keys.Run(key, PaneId::Bottom);
  }
  r.keys.Run(PaneKey::FindNext, PaneId::Top);
  EXPECT_EQ(r.bottom.browser.calls(), (Strings{"ExecWB:11:0", "ExecWB:17:0", "ExecWB:6:1"}));
  EXPECT_EQ(r.topExtras.calls, Strings{"FindNext"});
  EXPECT_TRUE(r.top.browser.calls().empty() && r.bottomExtras.calls.empty());
}

// The page keys act on the pages of the pane they are pressed in: Ctrl+T, Ctrl+1 to Ctrl+9 (9 the
// last page), Ctrl+Tab both ways round, Ctrl+F4 and Ctrl+Shift+T.
TEST(PaneKeysTest, ThePageKeysActOnThePagesOfTheirPane) {
  CommandsRig r;
  BothPanesRig pages;
  FakePaneKeyTargets extras;
  FakeReaderView reader;
  PaneKeys keys{{r.topCommands, extras, reader, &pages.top.pages},
                {r.bottomCommands, extras, reader, &pages.bottom.pages}};
  keys.Run(PaneKey::NewPage, PaneId::Top);
  keys.Run(PaneKey::NewPage, PaneId::Top);
  EXPECT_EQ(pages.top.pages.Count(), 3);
  const auto shownAfter = [&](PaneKey key) {
    keys.Run(key, PaneId::Top);
    return pages.top.pages.Shown();
  };
  EXPECT_EQ(shownAfter(PaneKey::Page1), 0);
  EXPECT_EQ(shownAfter(PaneKey::PreviousPage), 2);
  EXPECT_EQ(shownAfter(PaneKey::NextPage), 0);
  EXPECT_EQ(shownAfter(PaneKey::Page2), 1);
  EXPECT_EQ(shownAfter(PaneKey::Page5), 1);
  EXPECT_EQ(shownAfter(PaneKey::Page9), 2);
  keys.Run(PaneKey::ClosePage, PaneId::Top);
  EXPECT_EQ(pages.top.pages.Count(), 2);
  keys.Run(PaneKey::ReopenClosedPage, PaneId::Top);
  EXPECT_EQ(pages.top.pages.Count(), 3);
  EXPECT_EQ(pages.bottom.pages.Count(), 1);
  EXPECT_TRUE(extras.calls.empty());
}

// While a pane's reader view shows, Esc leaves it before it does anything else: in the address
// box, while the page loads; the page's load goes on. F9 shows and leaves the focused pane's
// reader view from anywhere in the pane, a text field too.
TEST(PaneKeysTest, EscLeavesTheReaderViewFirstAndF9TogglesIt) {
  KeysRig r;
  EXPECT_EQ(r.keys.TargetOf(PaneKey::ReaderView, PaneId::Bottom, true), PaneId::Bottom);
  EXPECT_EQ(r.keys.TargetOf(PaneKey::ReaderView, std::nullopt, false), std::nullopt);
  r.keys.Run(PaneKey::ReaderView, PaneId::Bottom);
  ASSERT_TRUE(r.bottomReader.shown);
  r.bottom.browser.setBusy(true);
  EXPECT_EQ(r.keys.TargetOf(PaneKey::Stop, PaneId::Bottom, true), PaneId::Bottom);
  r.keys.Run(PaneKey::Stop, PaneId::Bottom);
  EXPECT_EQ(r.bottomReader.calls, (Strings{"Toggle", "Leave"}));
  EXPECT_TRUE(r.bottom.browser.calls().empty());
  // Back on the page, Esc stops the load again.
  r.keys.Run(PaneKey::Stop, PaneId::Bottom);
  EXPECT_EQ(r.bottom.browser.calls(), Strings{"Stop"});
  EXPECT_TRUE(r.topReader.calls.empty());
}

// F6 goes from the reader view's text to its headings, its links, the address box and round
// again, past a part with nothing in it; without the reader view it goes to the address box.
TEST(PaneKeysTest, F6GoesRoundTheReaderViewsPartsAndTheAddressBox) {
  KeysRig r;
  r.keys.Run(PaneKey::NextPart, PaneId::Top);
  EXPECT_EQ(r.topExtras.calls, Strings{"FocusAddress"});
  r.topReader.shown = true;
  r.topReader.empty = {ReaderPart::Headings};
  for (int press = 0; press < 4; ++press) {
    r.keys.Run(PaneKey::NextPart, PaneId::Top);
    if (r.topExtras.calls.size() == 2) r.topReader.focused = ReaderPart::None;
  }
  EXPECT_EQ(r.topReader.calls, (Strings{"Focus:1", "Focus:3", "Focus:1"}));
  EXPECT_EQ(r.topExtras.calls, (Strings{"FocusAddress", "FocusAddress"}));
}

}  // namespace
}  // namespace corvane
