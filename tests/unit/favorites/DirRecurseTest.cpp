#include "favorites/DirRecurse.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>
#include <tuple>

#include "FakeMessageBox.h"
#include "TempDir.h"
#include "UnprivilegedTest.h"
#include "favorites/FavoritesImages.h"
#include "favorites/InternetShortcut.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// A node and what lies below it: "name=address {children}", children in shown order.
std::string shape(const TreeNode& node) {
  std::string s = node.Text;
  if (!node.Tag.empty()) s += "=" + node.Tag;
  if (node.HasChildren()) {
    s += " {";
    for (const TreeNode* child : node.Children) s += " " + shape(*child);
    s += " }";
  }
  return s;
}

const TreeNode* child(const TreeNode& node, const std::string& text) {
  for (const TreeNode* c : node.Children) {
    if (c->Text == text) return c;
  }
  return nullptr;
}

struct Scan {
  TempDir dir;
  FakeMessageBox messageBox;
  TreeNodes tree;

  fs::path root() const { return dir.path() / "Favorites"; }
  void shortcut(const std::string& name, const std::string& bytes) const {
    dir.writeFile(fs::path("Favorites") / name, bytes);
  }
  void folder(const std::string& name) const { fs::create_directories(root() / name); }
  long build() { return DirRecurse(messageBox).RecurseDirTV(tree, root().string()); }
  const TreeNode& top() const { return tree.Item(1); }
  // The children of the root, as shown.
  std::string shown() const {
    const std::string all = shape(top());
    const std::size_t brace = all.find(" {");
    return brace == std::string::npos ? "" : all.substr(brace + 3, all.size() - brace - 5);
  }
};

TEST(DirRecurseTest, FoldersAndShortcutsMixInOneOrderWithTheirPictures) {
  Scan scan;
  scan.shortcut("b.url", "[InternetShortcut]\r\nURL=http://b.example/\r\n");
  scan.shortcut("C.url", "URL=http://c.example/\n");
  scan.folder("a");
  scan.shortcut("desktop.ini", "URL=http://not.a.shortcut/\n");
  scan.shortcut("News.URL", "URL=http://news.example/\n");
  scan.shortcut("old.url.bak", "URL=http://old.example/\n");
  scan.shortcut("Work/Tools/t.url", "URL=http://t.example/\n");
  scan.shortcut("Work/dead.url", "[InternetShortcut]\n");
  scan.shortcut(".url", "URL=http://nameless.example/\n");
  // Hidden entries are shown; Corvane's own temp files, of either form, are not.
  scan.shortcut(".hidden.url", "URL=http://hidden.example/\n");
  scan.shortcut(".News.url.tmp-1-2-3", "URL=http://half.written/\n");
  scan.shortcut(".corvane-save-1-2-3.tmp", "URL=http://half.written/\n");

  EXPECT_EQ(scan.build(), 12);
  EXPECT_EQ(scan.shown(),
            "=http://nameless.example/ .hidden=http://hidden.example/ a b=http://b.example/ "
            "C=http://c.example/ News=http://news.example/ old=http://old.example/ "
            "Work { dead Tools { t=http://t.example/ } }");
  // The root is expanded, the folders below it not; all have the folder pictures.
  const TreeNode& root = scan.top();
  const TreeNode* work = child(root, "Work");
  ASSERT_NE(work, nullptr);
  EXPECT_EQ(std::make_tuple(root.Key, root.Text, root.Expanded),
            std::make_tuple(std::string("Root"), scan.root().string(), true));
  for (const TreeNode* folder : {&root, work}) {
    EXPECT_EQ(folder->Image, kClosedFolderImage);
    EXPECT_EQ(folder->ExpandedImage, kOpenFolderImage);
    EXPECT_TRUE(folder->Sorted);
  }
  EXPECT_FALSE(work->Expanded);
  EXPECT_EQ(child(root, "a")->Image, kBadLinkImage);  // an empty folder
  EXPECT_EQ(child(root, "b")->Image, kLocalDocImage);
  EXPECT_EQ(child(*work, "dead")->Image, kBadLinkImage);
  EXPECT_TRUE(child(*work, "dead")->ExpandedImage.empty());
  // A screen reader tells what the pictures show (the other kinds are heard end to end).
  EXPECT_EQ(root.Kind, kFolderKind);
  EXPECT_EQ(work->Kind, kFolderKind);
  // A folder's path on disk is its node's full path.
  EXPECT_EQ(child(*work, "Tools")->FullPath(), (scan.root() / "Work" / "Tools").string());
  EXPECT_TRUE(scan.messageBox.shown().empty());
}

TEST(DirRecurseTest, EachFolderIsScannedDepthFirstWithItsSubfoldersBeforeItsFiles) {
  Scan scan;
  scan.shortcut("a.url", "URL=http://a.example/\n");
  scan.shortcut("z/y/x.url", "URL=http://x.example/\n");
  scan.shortcut("z/w.url", "URL=http://w.example/\n");
  scan.build();
  // Insertion order numbers the nodes: z, its folder y, y's shortcut, then z's, then the root's.
  const TreeNode& root = scan.top();
  const TreeNode* z = child(root, "z");
  ASSERT_NE(z, nullptr);
  EXPECT_EQ(z->Index, 2);
  EXPECT_EQ(child(*z, "y")->Index, 3);
  EXPECT_EQ(child(*child(*z, "y"), "x")->Index, 4);
  EXPECT_EQ(child(*z, "w")->Index, 5);
  EXPECT_EQ(child(root, "a")->Index, 6);
  EXPECT_EQ(&scan.tree.Item(4), child(*child(*z, "y"), "x"));
  // Building again starts from an empty tree.
  scan.shortcut("two.url", "URL=http://two.example/\n");
  EXPECT_EQ(scan.build(), 7);
  EXPECT_EQ(scan.tree.Roots().size(), 1u);
}

TEST(DirRecurseTest, TheAddressIsTheRestOfTheFirstLineBeginningExactlyWithURL) {
  const struct {
    const char* name;
    const char* bytes;
    const char* address;
  } cases[] = {
      {"second", "[InternetShortcut]\nURL=http://second.example/\n", "http://second.example/"},
      {"lower", "url=http://lower.example/\n", ""},
      {"empty", "[InternetShortcut]\nURL=\nURL=http://too.late/\n", ""},
      {"two", "URL=http://first.example/\r\nURL=http://second.example/\r\n",
       "http://first.example/"},
      {"blanks", "  URL=http://indented/\nURL= http://spaced.example/ \n",
       " http://spaced.example/ "},
      {"cr", "[InternetShortcut]\rURL=http://mac.example/\rIconIndex=0", "http://mac.example/"},
      {"last", "[InternetShortcut]\nURL=http://no.line.end/", "http://no.line.end/"},
      // Read in listing order: the shortcut with an address before it lends it nothing.
      {"none", "[InternetShortcut]\nIconFile=x\n", ""},
  };
  Scan scan;
  for (const auto& c : cases) scan.shortcut(std::string(c.name) + ".url", c.bytes);
  scan.build();
  for (const auto& c : cases) EXPECT_EQ(child(scan.top(), c.name)->Tag, c.address) << c.name;
  EXPECT_EQ(child(scan.top(), "lower")->Image, kBadLinkImage);
}

TEST(DirRecurseTest, AHugeShortcutIsReadOnlyUpToTheLimitForItsAddressLine) {
  Scan scan;
  const std::string noLineEnds(3 * InternetShortcut::kReadLimit, 'x');
  scan.shortcut("endless.url", noLineEnds);
  scan.shortcut("late.url", std::string(InternetShortcut::kReadLimit, '\n') + "URL=http://late/\n");
  scan.shortcut("cut.url", std::string(InternetShortcut::kReadLimit - 10, '\n') +
                               "URL=http://cut.off.example/");
  scan.shortcut("early.url", std::string(40000, 'x') + "\nURL=http://early.example/\n" +
                                 std::string(InternetShortcut::kReadLimit, 'y'));
  scan.shortcut("exact.url",
                std::string(InternetShortcut::kReadLimit - 18, '\n') + "URL=http://exact/\n");
  scan.build();
  const TreeNode& root = scan.top();
  EXPECT_EQ(child(root, "endless")->Tag, "");
  EXPECT_EQ(child(root, "late")->Tag, "");
  // A line the limit cuts off would give a truncated address; it gives none.
  EXPECT_EQ(child(root, "cut")->Tag, "");
  EXPECT_EQ(child(root, "early")->Tag, "http://early.example/");
  EXPECT_EQ(child(root, "exact")->Tag, "http://exact/");
  EXPECT_TRUE(scan.messageBox.shown().empty());
}

TEST(DirRecurseTest, AFolderReachedAgainThroughALinkIsShownButNotScannedAgain) {
  Scan scan;
  scan.shortcut("a/in-a.url", "URL=http://a.example/\n");
  fs::create_directory_symlink(scan.root(), scan.root() / "a" / "back-to-top");
  fs::create_directory_symlink(scan.root() / "a", scan.root() / "a" / "itself");
  // A link that makes no loop is followed like any folder.
  scan.dir.writeFile("Elsewhere/shared.url", "URL=http://shared.example/\n");
  fs::create_directory_symlink(scan.dir.path() / "Elsewhere", scan.root() / "linked");

  EXPECT_EQ(scan.build(), 7);
  EXPECT_EQ(
      scan.shown(),
      "a { back-to-top in-a=http://a.example/ itself } linked { shared=http://shared.example/ }");
  EXPECT_EQ(child(*child(scan.top(), "a"), "itself")->Image, kBadLinkImage);
  EXPECT_TRUE(scan.messageBox.shown().empty());
}

TEST(DirRecurseTest, WhatCannotBeReadIsReportedAndTheScanGoesOn) {
  Scan scan;
  scan.shortcut("fine.url", "URL=http://fine.example/\n");
  // A link to itself can't be opened, not even by root.
  fs::create_symlink("self.url", scan.root() / "self.url");
  scan.build();
  ASSERT_EQ(scan.messageBox.shown().size(), 1u);
  const FakeMessageBox::Shown& box = scan.messageBox.shown()[0];
  EXPECT_EQ(box.title, "DirRecurse.RecursePathTV");
  EXPECT_EQ(box.icon, MsgBoxIcon::Exclamation);
  EXPECT_EQ(box.buttons, MsgBoxButtons::OK);
  EXPECT_EQ(box.text, std::to_string(ELOOP) + ": " + std::generic_category().message(ELOOP));
  // The unreadable shortcut stays in the tree, without an address.
  EXPECT_EQ(scan.shown(), "fine=http://fine.example/ self");

  // A folder that doesn't exist: the root alone, after the message.
  Scan missing;
  EXPECT_EQ(DirRecurse(missing.messageBox).RecurseDirTV(missing.tree, ""), 1);
  EXPECT_EQ(missing.top().Text, "");
  EXPECT_EQ(missing.top().Image, kClosedFolderImage);
  ASSERT_EQ(missing.messageBox.shown().size(), 1u);
  EXPECT_EQ(missing.messageBox.shown()[0].text,
            std::to_string(ENOENT) + ": " + std::generic_category().message(ENOENT));
}

using DirRecursePermissions = UnprivilegedTest;

TEST_F(DirRecursePermissions, AnUnreadableFolderIsReportedAndItsSiblingsAreStillScanned) {
  Scan scan;
  scan.shortcut("a/in-a.url", "URL=http://a.example/\n");
  scan.shortcut("locked/hidden.url", "URL=http://hidden.example/\n");
  scan.shortcut("z/in-z.url", "URL=http://z.example/\n");
  scan.shortcut("top.url", "URL=http://top.example/\n");
  fs::permissions(scan.root() / "locked", fs::perms::none);
  scan.build();
  EXPECT_EQ(scan.shown(),
            "a { in-a=http://a.example/ } locked top=http://top.example/ "
            "z { in-z=http://z.example/ }");
  EXPECT_EQ(scan.messageBox.texts(),
            std::vector<std::string>{std::to_string(EACCES) + ": " +
                                     std::generic_category().message(EACCES)});
}

}  // namespace
}  // namespace corvane
