#include "app/ProfileFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>

#include "TempDir.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> lookup(const std::string& text, const std::string& section,
                                  const std::string& key) {
  return ProfileFile::lookup(text, section, key);
}

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// ---- reading ----

TEST(ProfileFileRead, SectionsAndKeysMatchWithoutRegardToCase) {
  const std::string text = "[tbSTARTofflINE]\r\nHomePage=a\r\n";
  EXPECT_EQ(lookup(text, "TBstartOffLine", "homepage"), "a");
  EXPECT_EQ(lookup(text, "TBSTARTOFFLINE", "HOMEPAGE"), "a");
  EXPECT_EQ(lookup(text, "TBstartOffLin", "homepage"), std::nullopt);
  EXPECT_EQ(lookup(text, "TBstartOffLine", "homepag"), std::nullopt);
}

TEST(ProfileFileRead, ValueLosesSurroundingBlanksAndOnePairOfMatchingQuotes) {
  const std::string text =
      "[s]\n"
      " \t a \t=\t  spaced  value \t \n"
      "b=\"  kept inside  \"\n"
      "c='single'\n"
      "d=\"mismatched'\n"
      "e=\"\"twice\"\"\n"
      "f=\"\n"
      "g=in\"side\"\n"
      "h=   \n"
      "i=\"\"\n";
  EXPECT_EQ(lookup(text, "s", "a"), "spaced  value");
  EXPECT_EQ(lookup(text, "s", "b"), "  kept inside  ");
  EXPECT_EQ(lookup(text, "s", "c"), "single");
  EXPECT_EQ(lookup(text, "s", "d"), "\"mismatched'");
  EXPECT_EQ(lookup(text, "s", "e"), "\"twice\"");
  EXPECT_EQ(lookup(text, "s", "f"), "\"");
  EXPECT_EQ(lookup(text, "s", "g"), "in\"side\"");
  EXPECT_EQ(lookup(text, "s", "h"), "");
  EXPECT_EQ(lookup(text, "s", "i"), "");
}

TEST(ProfileFileRead, SectionHeaderToleratesBlanksAndTrailingText) {
  EXPECT_EQ(lookup(" \t[ \tTBstart\t ] ; the top pane\r\n1=x\r\n", "TBstart", "1"), "x");
  EXPECT_EQ(lookup("[TBstart]junk]\r\n1=x\r\n", "TBstart", "1"), "x");
  // Without a closing bracket the line is no header: its entries stay with the section before.
  EXPECT_EQ(lookup("[a]\r\n[b\r\n1=x\r\n", "a", "1"), "x");
  EXPECT_EQ(lookup("[a]\r\n[b\r\n1=x\r\n", "b", "1"), std::nullopt);
}

TEST(ProfileFileRead, CommentsBlankLinesAndLinesWithoutEqualsAreSkipped) {
  const std::string text =
      "; 1=before any section\n"
      "[s]\n"
      ";1=commented\n"
      "   ; 1=indented comment\n"
      "\n"
      " \t \n"
      "no equals sign here\n"
      "1=real\n";
  EXPECT_EQ(lookup(text, "s", "1"), "real");
  EXPECT_EQ(lookup(text, "s", "no equals sign here"), std::nullopt);
}

TEST(ProfileFileRead, EntriesBeforeTheFirstSectionBelongToNone) {
  const std::string text = "1=orphan\r\n[s]\r\n2=two\r\n";
  EXPECT_EQ(lookup(text, "s", "1"), std::nullopt);
  EXPECT_EQ(lookup(text, "s", "2"), "two");
}

TEST(ProfileFileRead, AllLineEndsAndAMissingFinalLineEnd) {
  EXPECT_EQ(lookup("[a]\n1=lf\n[b]\n1=x", "a", "1"), "lf");
  EXPECT_EQ(lookup("[a]\r\n1=crlf\r\n[b]\r\n1=x", "a", "1"), "crlf");
  EXPECT_EQ(lookup("[a]\r1=cr\r[b]\r1=x", "a", "1"), "cr");
  EXPECT_EQ(lookup("[a]\r1=cr\r[b]\r1=last", "b", "1"), "last");
  EXPECT_EQ(lookup("[a]\n\r1=mixed\r\n\r\n[b]\r1=x\n", "a", "1"), "mixed");
  EXPECT_EQ(lookup("[a]\r\n1=eof", "a", "1"), "eof");
}

TEST(ProfileFileRead, LeadingByteOrderMarkIsSkipped) {
  EXPECT_EQ(lookup("\xEF\xBB\xBF[TBstart]\r\n1=x\r\n", "TBstart", "1"), "x");
  EXPECT_EQ(lookup("\xEF\xBB\xBF", "TBstart", "1"), std::nullopt);
}

TEST(ProfileFileRead, FirstSectionAndFirstKeyWin) {
  const std::string text =
      "[s]\r\n1=first\r\n1=second\r\n"
      "[other]\r\n1=o\r\n"
      "[S]\r\n1=third\r\n2=only in the duplicate\r\n";
  EXPECT_EQ(lookup(text, "s", "1"), "first");
  EXPECT_EQ(lookup(text, "s", "2"), std::nullopt);
  EXPECT_EQ(lookup(text, "other", "1"), "o");
}

TEST(ProfileFileRead, CutToBytesKeepsWholeUtf8Characters) {
  const std::string e = "\xC3\xA9";         // 2 bytes
  const std::string euro = "\xE2\x82\xAC";  // 3 bytes
  EXPECT_EQ(ProfileFile::cutToBytes(std::string(300, 'a'), 254), std::string(254, 'a'));
  EXPECT_EQ(ProfileFile::cutToBytes(std::string(254, 'a'), 254), std::string(254, 'a'));
  EXPECT_EQ(ProfileFile::cutToBytes(std::string(252, 'a') + e + "z", 254),
            std::string(252, 'a') + e);
  EXPECT_EQ(ProfileFile::cutToBytes(std::string(253, 'a') + e, 254), std::string(253, 'a'));
  EXPECT_EQ(ProfileFile::cutToBytes(std::string(252, 'a') + euro, 254), std::string(252, 'a'));
  EXPECT_EQ(ProfileFile::cutToBytes(std::string(253, 'a') + euro, 254), std::string(253, 'a'));
  // Single-byte text that only looks like continuation bytes is cut where asked.
  EXPECT_EQ(ProfileFile::cutToBytes(std::string(253, 'a') + "\xA3\xA3", 254),
            std::string(253, 'a') + "\xA3");
}

TEST(ProfileFileRead, GetStringUsesTheDefaultAndTheBufferSize) {
  TempDir dir;
  const ProfileFile missing(dir.path() / "none.ini");
  EXPECT_EQ(missing.getString("s", "1", "fallback"), "fallback");
  EXPECT_EQ(missing.getString("s", "1", std::string(300, 'd')), std::string(254, 'd'));

  const ProfileFile file(dir.writeFile("cv.ini", "[s]\r\n1=" + std::string(300, 'v') + "\r\n"));
  EXPECT_EQ(file.getString("s", "1", "fallback"), std::string(254, 'v'));
  EXPECT_EQ(file.getString("s", "1", "fallback", 6), "vvvvv");
  EXPECT_EQ(file.getString("s", "2", "fallback"), "fallback");
  EXPECT_EQ(file.getString("t", "1", "fallback"), "fallback");

  // A folder in the file's place reads as a missing file.
  fs::create_directory(dir.path() / "folder.ini");
  EXPECT_EQ(ProfileFile(dir.path() / "folder.ini").getString("s", "1", "d"), "d");
}

// ---- writing ----

TEST(ProfileFileWrite, ReplacingAValueKeepsEveryOtherByte) {
  const std::string before =
      "\xEF\xBB\xBF; my home pages\n"
      "[Other]\r\n"
      "HOME=other\r\n"
      "\n"
      "  [ TbStart ]  ; top\r"
      "unknown = kept  \r"
      "  HOME  =  \"old\"  \r\n"
      "HOME=duplicate\n"
      "[tail]\r\n"
      "x=y";
  const std::string after =
      "\xEF\xBB\xBF; my home pages\n"
      "[Other]\r\n"
      "HOME=other\r\n"
      "\n"
      "  [ TbStart ]  ; top\r"
      "unknown = kept  \r"
      "HOME=new value\r\n"
      "HOME=duplicate\n"
      "[tail]\r\n"
      "x=y";
  EXPECT_EQ(ProfileFile::update(before, "tbstart", "home", "new value"), after);
  EXPECT_EQ(lookup(after, "TBstart", "Home"), "new value");
  // Only the first of duplicate sections is written to.
  EXPECT_EQ(ProfileFile::update("[s]\n1=a\n[s]\n1=b\n", "s", "1", "c"), "[s]\n1=c\n[s]\n1=b\n");
}

TEST(ProfileFileWrite, NewKeyFollowsTheSectionsLastEntry) {
  // Blank lines and comments at the end of a section stay in front of the next one.
  EXPECT_EQ(
      ProfileFile::update("[a]\n1=x\n; note\nodd line\n\n; about b\n[b]\n1=y\n", "a", "2", "new"),
      "[a]\n1=x\n; note\nodd line\n2=new\r\n\n; about b\n[b]\n1=y\n");
  EXPECT_EQ(ProfileFile::update("[a]\n\n; about b\n[b]\n", "A", "1", "v"),
            "[a]\n1=v\r\n\n; about b\n[b]\n");
  EXPECT_EQ(ProfileFile::update("[a]\r1=x\r[b]\r1=y", "a", "2", "v"), "[a]\r1=x\r2=v\r\n[b]\r1=y");
  // The last line of the file had no line end: it gets one before the new line.
  EXPECT_EQ(ProfileFile::update("[a]\r\n1=x", "a", "2", "v"), "[a]\r\n1=x\r\n2=v\r\n");
  EXPECT_EQ(ProfileFile::update("[a]", "a", "1", "v"), "[a]\r\n1=v\r\n");
}

TEST(ProfileFileWrite, NewSectionGoesAtTheEnd) {
  EXPECT_EQ(ProfileFile::update("", "TBstart", "1", "v"), "[TBstart]\r\n1=v\r\n");
  EXPECT_EQ(ProfileFile::update("[a]\n1=x\n", "b", "1", "v"), "[a]\n1=x\n[b]\r\n1=v\r\n");
  EXPECT_EQ(ProfileFile::update("[a]\n1=x\n\n; end\n", "b", "1", "v"),
            "[a]\n1=x\n\n; end\n[b]\r\n1=v\r\n");
  EXPECT_EQ(ProfileFile::update("[a]\n1=x", "b", "1", "v"), "[a]\n1=x\r\n[b]\r\n1=v\r\n");
  EXPECT_EQ(ProfileFile::update("[a]\r1=x\r", "b", "1", "v"), "[a]\r1=x\r[b]\r\n1=v\r\n");
  EXPECT_EQ(ProfileFile::update("\xEF\xBB\xBF", "b", "1", "v"), "\xEF\xBB\xBF[b]\r\n1=v\r\n");
}

TEST(ProfileFileWrite, LineBreaksCannotInjectEntriesOrSections) {
  const std::string text = ProfileFile::update("", "s", "1", "a\r\n[evil]\r\n2=b\rc\nd");
  EXPECT_EQ(text, "[s]\r\n1=a[evil]2=bcd\r\n");
  EXPECT_EQ(lookup(text, "evil", "2"), std::nullopt);
  EXPECT_EQ(lookup(text, "s", "2"), std::nullopt);
  EXPECT_EQ(ProfileFile::update("[s]\r\n1=old\r\n", "s", "1", "new\r\n2=x"), "[s]\r\n1=new2=x\r\n");
  EXPECT_EQ(ProfileFile::update("", "s\r\n[t", "1\n2", "v"), "[s[t]\r\n12=v\r\n");
}

// ---- the file on disk ----

TEST(ProfileFileDisk, WriteCreatesAndReplacesTheFileKeepingItsMode) {
  TempDir dir;
  const fs::path ini = dir.path() / "cv.ini";
  const ProfileFile file(ini);
  ASSERT_TRUE(file.writeString("TBstart", "1", "a"));
  EXPECT_EQ(dir.readFile("cv.ini"), "[TBstart]\r\n1=a\r\n");

  ASSERT_EQ(::chmod(ini.c_str(), 0640), 0);
  ASSERT_TRUE(file.writeString("TBstart", "1", "b"));
  EXPECT_EQ(dir.readFile("cv.ini"), "[TBstart]\r\n1=b\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(ini.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"cv.ini"});
}

TEST(ProfileFileDisk, WritingThroughALinkKeepsTheLink) {
  TempDir dir;
  dir.writeFile("real.ini", "[s]\n1=old\n");
  fs::create_symlink("real.ini", dir.path() / "cv.ini");
  ASSERT_TRUE(ProfileFile(dir.path() / "cv.ini").writeString("s", "1", "new"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "cv.ini"));
  EXPECT_EQ(dir.readFile("real.ini"), "[s]\n1=new\n");
}

TEST(ProfileFileDisk, UnwritablePlaceFailsWithoutTraces) {
  TempDir dir;
  dir.writeFile("plain", "not a folder");
  EXPECT_FALSE(ProfileFile(dir.path() / "plain" / "cv.ini").writeString("s", "1", "v"));
  EXPECT_FALSE(ProfileFile(dir.path() / "missing" / "cv.ini").writeString("s", "1", "v"));
  fs::create_directory(dir.path() / "cv.ini");
  EXPECT_FALSE(ProfileFile(dir.path() / "cv.ini").writeString("s", "1", "v"));
  EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"cv.ini", "plain"}));
  EXPECT_EQ(dir.readFile("plain"), "not a folder");
}

TEST(ProfileFileDisk, ReadOnlyFileIsLeftUntouched) {
  // Holds for root too: a file without write bits is never replaced.
  TempDir dir;
  const fs::path ini = dir.writeFile("cv.ini", "; mine\n[s]\n1=old\n");
  ASSERT_EQ(::chmod(ini.c_str(), 0444), 0);
  EXPECT_FALSE(ProfileFile(ini).writeString("s", "1", "new"));
  EXPECT_EQ(dir.readFile("cv.ini"), "; mine\n[s]\n1=old\n");
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"cv.ini"});
}

TEST(ProfileFileDisk, FailedWriteKeepsTheOldFileAndRemovesTheTempFile) {
  // A file size limit stands in for a full disk; it binds root as well.
  TempDir dir;
  const fs::path ini = dir.writeFile("cv.ini", "[s]\n1=old\n");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = ProfileFile(ini).writeString("s", "1", std::string(200, 'v'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(dir.readFile("cv.ini"), "[s]\n1=old\n");
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"cv.ini"});
}

TEST(ProfileFileDisk, PermissionsDenyingTheUserAreHonoured) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "permission bits don't bind root";
  }
  TempDir dir;
  // A file we may write but not read must not be replaced by a file holding one entry.
  const fs::path ini = dir.writeFile("cv.ini", "[keep]\n1=me\n");
  ASSERT_EQ(::chmod(ini.c_str(), 0200), 0);
  EXPECT_FALSE(ProfileFile(ini).writeString("s", "1", "v"));
  ASSERT_EQ(::chmod(ini.c_str(), 0644), 0);
  EXPECT_EQ(dir.readFile("cv.ini"), "[keep]\n1=me\n");

  // A read-only folder: no temp file can be made, the old file stays.
  ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
  EXPECT_FALSE(ProfileFile(ini).writeString("s", "1", "v"));
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  EXPECT_EQ(dir.readFile("cv.ini"), "[keep]\n1=me\n");
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"cv.ini"});
}

}  // namespace
}  // namespace corvane
