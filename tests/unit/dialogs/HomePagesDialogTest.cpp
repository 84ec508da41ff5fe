#include "dialogs/HomePagesDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FakeFileDialog.h"
#include "FakeHomePagesWindow.h"
#include "FileSizeLimit.h"
#include "TempDir.h"

namespace corvane {
namespace {

using F = HomePageField;

struct Rig {
  Rig() {
    dir.writeFile("cv.ini",
                  "; home pages\r\n[TBstart]\r\n1=http://top.example/\r\n[BBstart]\r\n1=\"http://"
                  "bottom.example/\"\r\n[TBstartOffLine]\r\n1=/opt/cv/cv.html\r\n");
  }
  std::string ini() const { return dir.readFile("cv.ini"); }

  TempDir dir;
  mdlGen settings{dir.path() / "cv.ini"};
  FakeHomePagesWindow window;
  FakeFileDialog fileDialog;
  HomePagesDialog dialog{window, settings, fileDialog};
};

TEST(HomePagesDialogTest, OpeningReadsTheFourPagesAndAgainAfterAClose) {
  Rig rig;
  rig.dialog.OpenHomePagesDialog();
  EXPECT_TRUE(rig.window.IsLoaded());
  EXPECT_EQ(rig.window.shows(), 1);
  EXPECT_EQ(rig.window.Text(F::TBstart), "http://top.example/");
  EXPECT_EQ(rig.window.Text(F::BBstart), "http://bottom.example/");
  EXPECT_EQ(rig.window.Text(F::TBstartOffLine), "/opt/cv/cv.html");
  EXPECT_EQ(rig.window.Text(F::BBstartOffLine), "");  // missing

  // An open window only comes forward, its edits kept (driven in the integration tests); after
  // a close the next opening reads the file again.
  rig.window.SetText(F::TBstart, "edited");
  rig.window.events().cmdCancel_Click();
  rig.dialog.OpenHomePagesDialog();
  EXPECT_EQ(rig.window.Text(F::TBstart), "http://top.example/");
}

TEST(HomePagesDialogTest, OkWritesTheFourTextsAsTheyStandThenCloses) {
  Rig rig;
  rig.dialog.OpenHomePagesDialog();
  rig.window.SetText(F::TBstart, "  http://new-top.example/ ");
  rig.window.SetText(F::BBstart, "");
  rig.window.SetText(F::BBstartOffLine, "/home/u/b.html");
  rig.window.events().cmdUpdateHomePages_Click();
  EXPECT_FALSE(rig.window.IsLoaded());
  EXPECT_EQ(rig.ini(),
            "; home pages\r\n[TBstart]\r\n1=  http://new-top.example/ \r\n[BBstart]\r\n1=\r\n"
            "[TBstartOffLine]\r\n1=/opt/cv/cv.html\r\n[BBstartOffLine]\r\n1=/home/u/b.html\r\n");
  EXPECT_TRUE(rig.window.messages().shown().empty());
}

TEST(HomePagesDialogTest, TheCloseBoxWritesNothing) {
  Rig rig;
  const std::string before = rig.ini();
  rig.dialog.OpenHomePagesDialog();
  for (F field : {F::TBstart, F::BBstart, F::TBstartOffLine, F::BBstartOffLine}) {
    rig.window.SetText(field, "changed");
  }
  rig.window.events().Form_Unload();
  EXPECT_FALSE(rig.window.IsLoaded());
  EXPECT_EQ(rig.ini(), before);
}

TEST(HomePagesDialogTest, BrowseFillsOnlyItsOwnOfflineField) {
  Rig rig;
  rig.dialog.OpenHomePagesDialog();
  rig.fileDialog.choose("/home/u/pages/start.html");
  rig.window.events().cmdOpen_Click(0);
  ASSERT_EQ(rig.fileDialog.requests().size(), 1u);
  const OpenFileRequest& request = rig.fileDialog.requests()[0];
  EXPECT_EQ(request.title, "Top Offline Website/File On Start");
  EXPECT_EQ(request.defaultExt, "html");
  EXPECT_EQ(request.filter,
            "HTML Files|*.html|HTM Files|*.htm|GIF Files|*.gif|JPEG Files|*.jpg|WORD Files|*.doc|"
            "EXCEL Files|*.xls|TXT Files|*.txt|All Files|*.*");
  EXPECT_TRUE(request.mustExist);
  EXPECT_EQ(rig.window.Text(F::TBstartOffLine), "/home/u/pages/start.html");
  EXPECT_EQ(rig.window.Text(F::BBstartOffLine), "");
  EXPECT_EQ(rig.window.Text(F::TBstart), "http://top.example/");

  // Cancelled: the field keeps its text.
  rig.fileDialog.choose("");
  rig.window.events().cmdOpen_Click(1);
  EXPECT_EQ(rig.fileDialog.requests()[1].title, "Bottom Offline Website/File On Start");
  EXPECT_EQ(rig.window.Text(F::BBstartOffLine), "");
  rig.fileDialog.choose("/home/u/b.html");
  rig.window.events().cmdOpen_Click(1);
  EXPECT_EQ(rig.window.Text(F::BBstartOffLine), "/home/u/b.html");
  EXPECT_EQ(rig.window.Text(F::TBstartOffLine), "/home/u/pages/start.html");

  rig.window.events().cmdOpen_Click(2);
  EXPECT_EQ(rig.fileDialog.requests().size(), 3u);
  // Nothing is written before OK.
  EXPECT_EQ(rig.settings.ReadSetting("BBstartOffLine", 1), "");
}

// A disk that fills up on the way: the first page alone would still fit, all four do not.
TEST(HomePagesDialogTest, AFailedSaveStoresNoneKeepsTheEditsAndSaysSoOverTheDialog) {
  Rig rig;
  const std::string before = rig.ini();
  rig.dialog.OpenHomePagesDialog();
  rig.window.SetText(F::TBstart, "http://mine.example/");
  rig.window.SetText(F::BBstartOffLine, "/home/u/" + std::string(150, 'b') + ".html");
  {
    const FileSizeLimit full(before.size() + 40);
    rig.window.events().cmdUpdateHomePages_Click();
  }
  EXPECT_EQ(rig.ini(), before);
  EXPECT_TRUE(rig.window.IsLoaded());
  EXPECT_EQ(rig.window.Text(F::TBstart), "http://mine.example/");
  ASSERT_EQ(rig.window.messages().shown().size(), 1u);
  const FakeMessageBox::Shown& box = rig.window.messages().shown()[0];
  EXPECT_NE(box.text.find("could not be saved in " + (rig.dir.path() / "cv.ini").string()),
            std::string::npos)
      << box.text;
  EXPECT_EQ(box.icon, MsgBoxIcon::Exclamation);

  // With room again, OK saves the edits and closes.
  rig.window.events().cmdUpdateHomePages_Click();
  EXPECT_FALSE(rig.window.IsLoaded());
  EXPECT_EQ(rig.settings.ReadSetting("TBstart", 1), "http://mine.example/");
  EXPECT_EQ(rig.window.messages().shown().size(), 1u);
}

}  // namespace
}  // namespace corvane
