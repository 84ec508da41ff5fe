#include "base/ProfileFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <iterator>
#include <string>
#include <tuple>

#include "TempDir.h"
#include "UnprivilegedTest.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
constexpr auto lookup = &ProfileFile::lookup;
constexpr auto update = &ProfileFile::update;

TEST(ProfileFileRead, NamesIgnoreCaseAndValuesLoseBlanksAndOneQuotePair) {
  const std::string text =
      "[tbSTARTofflINE]\n \t a \t=\t  spaced  value \t \nb=\"  kept inside  \"\nc='single'\n"
      "d=\"mismatched'\ne=\"\"twice\"\"\nf=\"\ng=in\"side\"\nh=   \ni=\"\"\nj=x=y\n";
  const std::pair<const char*, const char*> values[] = {{"A", "spaced  value"},
                                                        {"b", "  kept inside  "},
                                                        {"c", "single"},
                                                        {"d", "\"mismatched'"},
                                                        {"e", "\"twice\""},
                                                        {"f", "\""},
                                                        {"g", "in\"side\""},
                                                        {"h", ""},
                                                        {"i", ""},
                                                        {"j", "x=y"}};
  for (const auto& [key, value] : values) EXPECT_EQ(lookup(text, "TBstartOffLine", key), value);
  EXPECT_EQ(lookup(text, "TBstartOffLin", "a"), std::nullopt);
}

TEST(ProfileFileRead, LinesThatAreNoEntriesOfTheSection) {
  const std::string text =
      "1=before any section\n[s]\n;1=commented\n   ; 1=indented\n\n \t \nno equals sign\n1=real\n";
  EXPECT_EQ(lookup(text, "s", "1"), "real");
  EXPECT_EQ(lookup(text, "s", ";1"), std::nullopt);
  EXPECT_EQ(lookup(text, "s", "no equals sign"), std::nullopt);
  // A header may be indented and followed by text; without a ']' the line is no header.
  EXPECT_EQ(lookup(" \t[ \tTBstart\t ] ; top\r\n1=x\r\n", "TBstart", "1"), "x");
  EXPECT_EQ(lookup("[TBstart]junk]\r\n1=x\r\n", "TBstart", "1"), "x");
  EXPECT_EQ(lookup("[a]\r\n[b\r\n1=x\r\n", "a", "1"), "x");
  EXPECT_EQ(lookup("[a]\r\n[b\r\n1=x\r\n", "b", "1"), std::nullopt);
}

TEST(ProfileFileRead, LineEndsByteOrderMarkAndDuplicates) {
  for (const std::string eol : {"\n", "\r\n", "\r"}) {
    const std::string text = "[a]" + eol + "1=x" + eol + "[b]" + eol + "1=last";
    EXPECT_EQ(lookup(text, "a", "1"), "x");
    EXPECT_EQ(lookup(text, "b", "1"), "last");
  }
  EXPECT_EQ(lookup("\xEF\xBB\xBF[s]\r\n1=x\r\n", "s", "1"), "x");
  const std::string dup = "[s]\r\n1=first\r\n1=second\r\n[S]\r\n1=third\r\n2=only here\r\n";
  EXPECT_EQ(lookup(dup, "s", "1"), "first");
  EXPECT_EQ(lookup(dup, "s", "2"), std::nullopt);
}

// The cut of UTF-8 text, and what a write keeps, are the fuzzer's checks on its corpus.
TEST(ProfileFileRead, ValuesAndDefaultsAreCutTo254BytesOfWholeCharacters) {
  // Bytes that start no character are cut as bytes.
  const std::string a(253, 'a');
  EXPECT_EQ(ProfileFile::cutToBytes(a + "\xA3\xA3", 254), a + "\xA3");

  TempDir dir;
  const ProfileFile file(dir.writeFile("cv.ini", "[s]\r\n1=" + std::string(300, 'v') + "\r\n"));
  EXPECT_EQ(file.getString("s", "1", "d"), std::string(254, 'v'));
  EXPECT_EQ(file.getString("s", "1", "d", 6), "vvvvv");
  EXPECT_EQ(file.getString("s", "2", "d"), "d");
  // A default loses its trailing blanks as a stored value does, but keeps its leading ones.
  EXPECT_EQ(file.getString("s", "2", "  d \t d \t  "), "  d \t d");
  EXPECT_EQ(file.getString("s", "2", " \t "), "");
  EXPECT_EQ(ProfileFile(dir.path() / "none.ini").getString("s", "1", std::string(300, 'd')),
            std::string(254, 'd'));
  EXPECT_EQ(ProfileFile(dir.path()).getString("s", "1", "d"), "d");  // a folder reads as missing
}

TEST(ProfileFileWrite, TheFirstOfDuplicateEntriesIsReplaced) {
  EXPECT_EQ(update("[s]\n1=a\n[s]\n1=b\n", "s", "1", "c"), "[s]\n1=c\n[s]\n1=b\n");
}

TEST(ProfileFileWrite, NewKeyFollowsTheSectionsLastEntryAndANewSectionGoesAtTheEnd) {
  const std::tuple<std::string, const char*, std::string> cases[] = {
      {"[a]\n1=x\n; note\nodd line\n\n; about b\n[b]\n1=y\n", "a",
       "[a]\n1=x\n; note\nodd line\n2=v\r\n\n; about b\n[b]\n1=y\n"},
      {"[a]\n\n; about b\n[b]\n", "A", "[a]\n2=v\r\n\n; about b\n[b]\n"},
      {"[a]\r1=x\r[b]\r1=y", "a", "[a]\r1=x\r2=v\r\n[b]\r1=y"},
      {"[a]\r\n1=x", "a", "[a]\r\n1=x\r\n2=v\r\n"},
      {"[a]", "a", "[a]\r\n2=v\r\n"},
      {"", "b", "[b]\r\n2=v\r\n"},
      {"[a]\n1=x\n\n; end\n", "b", "[a]\n1=x\n\n; end\n[b]\r\n2=v\r\n"},
      {"[a]\n1=x", "b", "[a]\n1=x\r\n[b]\r\n2=v\r\n"},
      {"[a]\r1=x\r", "b", "[a]\r1=x\r[b]\r\n2=v\r\n"},
      {"\xEF\xBB\xBF", "b", "\xEF\xBB\xBF[b]\r\n2=v\r\n"}};
  for (const auto& [before, section, after] : cases) {
    EXPECT_EQ(update(before, section, "2", "v"), after) << before;
  }
}

using ProfileFilePermissions = UnprivilegedTest;

TEST_F(ProfileFilePermissions, AnUnreadableFileIsNotReplaced) {
  TempDir dir;
  const fs::path ini = dir.writeFile("cv.ini", "[keep]\n1=me\n");
  ASSERT_EQ(::chmod(ini.c_str(), 0200), 0);  // writable but unreadable: not to be replaced
  EXPECT_FALSE(ProfileFile(ini).writeString("s", "1", "v"));
  ASSERT_EQ(::chmod(ini.c_str(), 0644), 0);
  EXPECT_EQ(dir.readFile("cv.ini"), "[keep]\n1=me\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace corvane
