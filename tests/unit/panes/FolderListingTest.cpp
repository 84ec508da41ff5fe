#include "panes/FolderListing.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "TempDir.h"
#include "UnprivilegedTest.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

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

TEST(FolderListingTest, CurrentEntryStaysWithinTheListAndSettingThePathClearsIt) {
  TempDir first, second;
  first.writeFile("a.html", "x");
  first.writeFile("b.html", "x");
  second.writeFile("c.html", "x");
  FolderListing listing;
  listing.SetPath(first.path().string());
  EXPECT_EQ(listing.ListIndex(), -1);
  EXPECT_EQ(listing.FileName(), "");
  ASSERT_TRUE(listing.SetListIndex(1));
  EXPECT_EQ(listing.FileName(), "b.html");
  EXPECT_FALSE(listing.SetListIndex(2));
  EXPECT_FALSE(listing.SetListIndex(-2));
  EXPECT_EQ(listing.ListIndex(), 1);
  EXPECT_TRUE(listing.SetListIndex(-1));

  listing.SetListIndex(1);
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
