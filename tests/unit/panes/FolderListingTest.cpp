#include "panes/FolderListing.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TempDir.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::string pathOf(const TempDir& dir) { return dir.path().string(); }

std::vector<std::string> namesOf(const FolderListing& listing) {
  std::vector<std::string> names;
  for (int i = 0; i < listing.ListCount(); ++i) names.push_back(listing.List(i));
  return names;
}

TEST(FolderListingTest, ListsOrdinaryVisibleFilesSortedByName) {
  TempDir folder;
  for (const char* name : {"b.html", "a.gif", "C.txt", "a.doc", ".hidden.html"}) {
    folder.writeFile(name, "x");
  }
  fs::create_directory(folder.path() / "sub.html");
  fs::create_directory(folder.path() / ".git");
  fs::create_symlink(folder.path() / "a.gif", folder.path() / "link.jpg");
  fs::create_symlink(folder.path() / "missing", folder.path() / "broken.htm");

  FolderListing listing;
  listing.SetPath(pathOf(folder));

  // Byte order: upper case before lower case; a link to a file counts as a file.
  EXPECT_EQ(namesOf(listing),
            (std::vector<std::string>{"C.txt", "a.doc", "a.gif", "b.html", "link.jpg"}));
  EXPECT_EQ(listing.ListCount(), 5);
  EXPECT_EQ(listing.List(5), "");
  EXPECT_EQ(listing.List(-1), "");
}

TEST(FolderListingTest, PathHasNoTrailingSeparator) {
  TempDir folder;
  FolderListing listing;
  listing.SetPath(pathOf(folder) + "/");
  EXPECT_EQ(listing.Path(), pathOf(folder));
  listing.SetPath(pathOf(folder) + "//");
  EXPECT_EQ(listing.Path(), pathOf(folder));
  listing.SetPath("/");
  EXPECT_EQ(listing.Path(), "/");
}

TEST(FolderListingTest, SettingThePathLeavesNoCurrentEntryAndRefillsTheList) {
  TempDir first;
  first.writeFile("one.html", "x");
  first.writeFile("two.html", "x");
  TempDir second;
  second.writeFile("three.html", "x");

  FolderListing listing;
  EXPECT_EQ(listing.ListIndex(), -1);
  listing.SetPath(pathOf(first));
  EXPECT_EQ(listing.ListIndex(), -1);
  EXPECT_EQ(listing.FileName(), "");

  ASSERT_TRUE(listing.SetListIndex(1));
  EXPECT_EQ(listing.FileName(), "two.html");

  listing.SetPath(pathOf(second));
  EXPECT_EQ(listing.ListIndex(), -1);
  EXPECT_EQ(listing.FileName(), "");
  EXPECT_EQ(namesOf(listing), std::vector<std::string>{"three.html"});
}

TEST(FolderListingTest, RefusesAnIndexOutsideTheList) {
  TempDir folder;
  folder.writeFile("a.html", "x");
  folder.writeFile("b.html", "x");
  FolderListing listing;
  listing.SetPath(pathOf(folder));

  ASSERT_TRUE(listing.SetListIndex(1));
  EXPECT_FALSE(listing.SetListIndex(2));
  EXPECT_EQ(listing.ListIndex(), 1);
  EXPECT_FALSE(listing.SetListIndex(-2));
  EXPECT_EQ(listing.ListIndex(), 1);
  EXPECT_TRUE(listing.SetListIndex(-1));
  EXPECT_EQ(listing.FileName(), "");
  EXPECT_TRUE(listing.SetListIndex(0));
  EXPECT_EQ(listing.FileName(), "a.html");
}

TEST(FolderListingTest, MissingOrUnreadableFolderGivesAnEmptyListing) {
  TempDir folder;
  folder.writeFile("a.html", "x");
  FolderListing listing;
  listing.SetPath(pathOf(folder));
  ASSERT_EQ(listing.ListCount(), 1);

  listing.SetPath(pathOf(folder) + "/nowhere");
  EXPECT_EQ(listing.ListCount(), 0);
  EXPECT_EQ(listing.Path(), pathOf(folder) + "/nowhere");
  EXPECT_FALSE(listing.SetListIndex(0));

  // A file is not a folder.
  listing.SetPath(pathOf(folder) + "/a.html");
  EXPECT_EQ(listing.ListCount(), 0);

  TempDir locked;
  locked.writeFile("secret.html", "x");
  fs::permissions(locked.path(), fs::perms::none);
  listing.SetPath(pathOf(locked));
  if (::geteuid() != 0) {  // root reads it regardless
    EXPECT_EQ(listing.ListCount(), 0);
  }
}

}  // namespace
}  // namespace corvane
