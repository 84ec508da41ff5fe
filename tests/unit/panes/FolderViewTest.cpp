#include "panes/FolderView.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "CommandsRig.h"
#include "TempDir.h"
#include "UnprivilegedTest.h"
#include "base/SharedTexts.h"
#include "panes/FolderListing.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

constexpr int kBack = 1;
constexpr int kForward = 2;

TEST(FolderViewTest, GetPathGivesTheFolderOfAPathOrAFileAddress) {
  EXPECT_EQ(FolderView::GetPath("/home/u/a.html"), "/home/u/");
  EXPECT_EQ(FolderView::GetPath("/a.html"), "/");
  EXPECT_EQ(FolderView::GetPath("/home/u/"), "/home/u/");
  EXPECT_EQ(FolderView::GetPath("a.html"), "");
  EXPECT_EQ(FolderView::GetPath(""), "");
  EXPECT_EQ(FolderView::GetPath("file:///home/u/a.html"), "/home/u/");
  EXPECT_EQ(FolderView::GetPath("FILE:///home/u/a.html"), "/home/u/");
  EXPECT_EQ(FolderView::GetPath("file://localhost/home/u/a.html"), "/home/u/");
  EXPECT_EQ(FolderView::GetPath("file:/home/u/a.html"), "/home/u/");
  EXPECT_EQ(FolderView::GetPath("file:///a.html"), "/");
  // Escapes of a file address are decoded; a broken one stays as it is. A path is never decoded.
  EXPECT_EQ(FolderView::GetPath("file:///home/me/My%20Photos/a.jpg"), "/home/me/My Photos/");
  EXPECT_EQ(FolderView::GetPath("file:///r%C3%A9sum%C3%A9/100%25/x%2/a.txt"),
            "/r\xC3\xA9sum\xC3\xA9/100%/x%2/");
  EXPECT_EQ(FolderView::GetPath("/home/me/My%20Photos/a.jpg"), "/home/me/My%20Photos/");
  // A folder that happens to be named like the scheme is part of a path, not an address.
  EXPECT_EQ(FolderView::GetPath("/tmp/file:///x/a.html"), "/tmp/file:///x/");
}

// A folder with files of every kind, in byte order: a.html b.xls c.doc d.JPG e.txt
// notes.html.bak; hidden files and folders are not listed.
struct FolderRig : CommandsRig {
  FolderRig() {
    for (const char* name :
         {"a.html", "b.xls", "c.doc", "d.JPG", "e.txt", "notes.html.bak", ".hidden.html"}) {
      folder.writeFile(name, "x");
    }
    fs::create_directory(folder.path() / "sub.html");
  }

  std::string path(const std::string& name) const { return (folder.path() / name).string(); }

  // Opens a file of the folder in the pane through its folder view.
  void open(PaneId id, const std::string& name) {
    fileDialog.choose(path(name));
    commands(id).folderView().OpenLocalFile();
  }

  // The addresses navigated to by the steps, one per step ("" when a step showed nothing).
  Strings steps(PaneId id, const std::vector<FolderStep>& directions) {
    Strings shown;
    for (FolderStep d : directions) {
      const std::size_t before = rig(id).browser.navigations().size();
      commands(id).folderView().StepFolder(d);
      const Strings after = rig(id).browser.navigations();
      shown.push_back(after.size() > before ? after.back() : "");
    }
    return shown;
  }

  bool enabled(PaneId id, int button) { return rig(id).toolbar.ButtonEnabled(button); }

  TempDir folder;
};

// Opening a file from the File menu is driven end to end; here the dialog each pane asks with.
TEST(FolderViewTest, OpeningAFileShowsItAndListsItsFolder) {
  FolderRig r;
  r.open(PaneId::Bottom, "d.JPG");
  ASSERT_EQ(r.fileDialog.requests().size(), 1u);
  const OpenFileRequest& request = r.fileDialog.requests()[0];
  EXPECT_EQ(request.title, "Open File On Bottom Browser--Folder View Is Now Enabled");
  EXPECT_EQ(request.defaultExt, "html");
  EXPECT_EQ(request.filter, kOpenFileFilter);  // its text is checked with the home pages dialog
  EXPECT_TRUE(request.mustExist);
  EXPECT_EQ(r.bottom.pane.PathName, r.folder.path().string() + "/");
  EXPECT_EQ(r.bottom.pane.File.ListCount(), 6);

  r.open(PaneId::Top, "a.html");
  EXPECT_EQ(r.fileDialog.requests()[1].title,
            "Open File On Top Browser--Folder View Is Now Enabled");
}

TEST(FolderViewTest, CancellingTheDialogChangesNothing) {
  FolderRig r;
  r.top.box.SetText("http://before.example/");
  r.top.toolbar.SetButtonEnabled(kBack, false);
  r.fileDialog.choose("");
  r.topCommands.folderView().OpenLocalFile();
  EXPECT_TRUE(r.top.browser.calls().empty());
  EXPECT_EQ(r.top.box.Text(), "http://before.example/");
  EXPECT_FALSE(r.top.pane.LocalFile);
  EXPECT_EQ(r.top.pane.PathName, "");
  EXPECT_FALSE(r.enabled(PaneId::Top, kBack));
  EXPECT_TRUE(r.enabled(PaneId::Top, kForward));
}

TEST(FolderViewTest, TopPaneShowsDocumentsOnlyStepsForward) {
  FolderRig r;
  r.open(PaneId::Top, "d.JPG");
  using S = FolderStep;
  // The first Forward makes entry 0 current and steps over it; the opened file plays no part.
  EXPECT_EQ(r.steps(PaneId::Top, {S::Forward, S::Forward, S::Forward, S::Forward}),
            (Strings{"", r.path("c.doc"), r.path("d.JPG"), r.path("e.txt")}));
  EXPECT_TRUE(r.enabled(PaneId::Top, kForward));
  EXPECT_EQ(r.steps(PaneId::Top, {S::Forward}), Strings{r.path("notes.html.bak")});
  EXPECT_FALSE(r.enabled(PaneId::Top, kForward));
  EXPECT_TRUE(r.enabled(PaneId::Top, kBack));
  // A step past the end keeps the last entry current and shows it again.
  EXPECT_EQ(r.steps(PaneId::Top, {S::Forward}), Strings{r.path("notes.html.bak")});
  EXPECT_EQ(r.top.pane.File.ListIndex(), 5);
  EXPECT_FALSE(r.enabled(PaneId::Top, kForward));

  // Backward the top pane passes over text and word processor files.
  EXPECT_EQ(r.steps(PaneId::Top, {S::Backward, S::Backward, S::Backward, S::Backward}),
            (Strings{"", r.path("d.JPG"), "", ""}));
  EXPECT_TRUE(r.enabled(PaneId::Top, kForward));
  EXPECT_TRUE(r.enabled(PaneId::Top, kBack));
  EXPECT_EQ(r.steps(PaneId::Top, {S::Backward}), Strings{r.path("a.html")});
  EXPECT_FALSE(r.enabled(PaneId::Top, kBack));
  // Back before the first entry leaves none current and shows nothing.
  EXPECT_EQ(r.steps(PaneId::Top, {S::Backward}), Strings{""});
  EXPECT_EQ(r.top.pane.File.ListIndex(), -1);
  EXPECT_FALSE(r.enabled(PaneId::Top, kBack));
}

TEST(FolderViewTest, BottomPaneShowsDocumentsOnlyStepsBack) {
  FolderRig r;
  r.open(PaneId::Bottom, "a.html");
  using S = FolderStep;
  // The first Back shows the folder's first file and disables Back.
  EXPECT_EQ(r.steps(PaneId::Bottom, {S::Backward}), Strings{r.path("a.html")});
  EXPECT_FALSE(r.enabled(PaneId::Bottom, kBack));
  EXPECT_TRUE(r.enabled(PaneId::Bottom, kForward));
  EXPECT_EQ(r.steps(PaneId::Bottom, {S::Forward, S::Forward, S::Forward, S::Forward, S::Forward}),
            (Strings{"", "", r.path("d.JPG"), "", r.path("notes.html.bak")}));
  EXPECT_EQ(r.steps(PaneId::Bottom, {S::Backward, S::Backward}),
            (Strings{r.path("e.txt"), r.path("d.JPG")}));
  EXPECT_EQ(r.steps(PaneId::Bottom, {S::Backward}), Strings{r.path("c.doc")});
}

// Which file the first Forward shows is the top pane's test above.
TEST(FolderViewTest, AFolderOfOneFileStepsNowhere) {
  CommandsRig r;
  TempDir alone;
  alone.writeFile("only.html", "x");
  alone.writeFile(".also-hidden.html", "x");
  r.fileDialog.choose((alone.path() / "only.html").string());
  r.topCommands.folderView().OpenLocalFile();
  EXPECT_TRUE(r.top.pane.LocalFile);
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kBack));
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kForward));
}

TEST(FolderViewTest, AFileGoneSinceTheListingIsPassedOverAndSaidSo) {
  FolderRig r;
  r.open(PaneId::Top, "a.html");
  fs::remove(r.folder.path() / "c.doc");
  using S = FolderStep;
  EXPECT_EQ(r.steps(PaneId::Top, {S::Forward, S::Forward}), (Strings{"", ""}));
  EXPECT_EQ(r.top.label.Caption(), "c.doc is no longer in this folder.");
  EXPECT_EQ(r.top.box.Text(), r.path("a.html"));
  EXPECT_EQ(r.steps(PaneId::Top, {S::Forward}), Strings{r.path("d.JPG")});
}
std::vector<std::string> namesOf(const FolderListing& listing) {
  std::vector<std::string> names;
  for (int i = 0; i < listing.ListCount(); ++i) names.push_back(listing.List(i));
  return names;
}

TEST(FolderListingTest, ListsVisibleRegularFilesInByteOrder) {
  TempDir folder;
  for (const char* name : {"b.html", "a.gif", "C.txt", "a.doc", ".hidden.html"}) {
    folder.writeFile(name, "x");
  }
  fs::create_directory(folder.path() / "sub.html");
  fs::create_symlink(folder.path() / "a.gif", folder.path() / "link.jpg");
  fs::create_symlink(folder.path() / "missing", folder.path() / "broken.htm");
  FolderListing listing;
  listing.SetPath(folder.path().string() + "//");
  EXPECT_EQ(listing.Path(), folder.path().string());
  EXPECT_EQ(namesOf(listing),
            (std::vector<std::string>{"C.txt", "a.doc", "a.gif", "b.html", "link.jpg"}));
  EXPECT_EQ(listing.List(5), "");
  listing.SetPath("/");
  EXPECT_EQ(listing.Path(), "/");
}

// Steps past either end of the list are the folder view's tests.
TEST(FolderListingTest, SettingThePathClearsTheCurrentEntry) {
  TempDir first, second;
  first.writeFile("a.html", "x");
  first.writeFile("b.html", "x");
  second.writeFile("c.html", "x");
  FolderListing listing;
  listing.SetPath(first.path().string());
  ASSERT_TRUE(listing.SetListIndex(1));
  EXPECT_EQ(listing.FileName(), "b.html");
  listing.SetPath(second.path().string());
  EXPECT_EQ(listing.ListIndex(), -1);
  EXPECT_EQ(namesOf(listing), std::vector<std::string>{"c.html"});

  // A missing folder or a file lists nothing, the path kept as given.
  listing.SetPath((first.path() / "nowhere").string());
  EXPECT_EQ(listing.ListCount(), 0);
  EXPECT_EQ(listing.Path(), (first.path() / "nowhere").string());
  listing.SetPath((first.path() / "a.html").string());
  EXPECT_EQ(listing.ListCount(), 0);
}

TEST(FolderListingTest, KeepsEveryFileOfAFolderPastSixteenBitCounts) {
  // In memory where the system offers it: tens of thousands of files are slow to make on disk.
  const fs::path memory = "/dev/shm";
  std::error_code ec;
  const TempDir folder(fs::is_directory(memory, ec) ? memory : fs::temp_directory_path());
  constexpr int kFiles = 32770;
  for (int i = 0; i < kFiles; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "p%05d.jpg", i);
    std::ofstream(folder.path() / name).put('x');
  }
  FolderListing listing;
  listing.SetPath(folder.path().string());
  ASSERT_EQ(listing.ListCount(), kFiles);
  ASSERT_TRUE(listing.SetListIndex(kFiles - 1));
  EXPECT_EQ(listing.FileName(), "p32769.jpg");
  EXPECT_FALSE(listing.SetListIndex(kFiles));
}

using FolderListingPermissions = UnprivilegedTest;

TEST_F(FolderListingPermissions, UnreadableFolderGivesAnEmptyListing) {
  TempDir folder;
  folder.writeFile("a.html", "x");
  FolderListing listing;
  fs::permissions(folder.path(), fs::perms::none);
  listing.SetPath(folder.path().string());
  EXPECT_EQ(listing.ListCount(), 0);
}

}  // namespace
}  // namespace corvane
