#include "app/HomePages.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "TempDir.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

const std::string kSite = "http://www.corvane.example.com";
const fs::path kProgram = "/opt/corvane";

HomePages resolveIn(const TempDir& dir) {
  mdlGen settings(dir.path() / "cv.ini");
  return ResolveHomePages(settings, kProgram, kSite);
}

ino_t inodeOf(const fs::path& file) {
  struct stat st {};
  EXPECT_EQ(::stat(file.c_str(), &st), 0);
  return st.st_ino;
}

void expectDefaults(const HomePages& pages) {
  EXPECT_EQ(pages.StartingAddress1, "http://www.corvane.example.com/");
  EXPECT_EQ(pages.StartingAddressOffLine1, "/opt/corvane/cv.html");
  EXPECT_EQ(pages.StartingAddress2, "http://www.corvane.example.com/newsandsearch.html");
  EXPECT_EQ(pages.StartingAddressOffLine2, "/opt/corvane/CVguide.html");
}

TEST(ResolveHomePages, MissingFileGetsTheFourDefaultsInOrder) {
  TempDir dir;
  expectDefaults(resolveIn(dir));
  EXPECT_EQ(dir.readFile("cv.ini"),
            "[TBstart]\r\n1=http://www.corvane.example.com/\r\n"
            "[TBstartOffLine]\r\n1=/opt/corvane/cv.html\r\n"
            "[BBstart]\r\n1=http://www.corvane.example.com/newsandsearch.html\r\n"
            "[BBstartOffLine]\r\n1=/opt/corvane/CVguide.html\r\n");
}

TEST(ResolveHomePages, ValuesPresentAreUsedAndOnlyMissingOnesAreAdded) {
  TempDir dir;
  const std::string before =
      "; hand-edited\n"
      "[BBstart]\n"
      "1=\"http://news.example.org/\"\n"
      "[TBSTARTOFFLINE]\n"
      "1=/home/u/top.html";
  dir.writeFile("cv.ini", before);
  const HomePages pages = resolveIn(dir);
  EXPECT_EQ(pages.StartingAddress1, "http://www.corvane.example.com/");
  EXPECT_EQ(pages.StartingAddressOffLine1, "/home/u/top.html");
  EXPECT_EQ(pages.StartingAddress2, "http://news.example.org/");
  EXPECT_EQ(pages.StartingAddressOffLine2, "/opt/corvane/CVguide.html");
  EXPECT_EQ(dir.readFile("cv.ini"), before +
                                        "\r\n[TBstart]\r\n1=http://www.corvane.example.com/\r\n"
                                        "[BBstartOffLine]\r\n1=/opt/corvane/CVguide.html\r\n");
}

TEST(ResolveHomePages, EmptyOrBlankValueIsReplacedInPlace) {
  TempDir dir;
  const std::string rest =
      "[TBstartOffLine]\r\n1=/x/a.html\r\n[BBstart]\r\n1=http://b.example/\r\n"
      "[BBstartOffLine]\r\n1=/x/b.html\r\n";
  dir.writeFile("cv.ini", "[TBstart]\r\n1=\r\n" + rest);
  HomePages pages = resolveIn(dir);
  EXPECT_EQ(pages.StartingAddress1, "http://www.corvane.example.com/");
  EXPECT_EQ(pages.StartingAddressOffLine1, "/x/a.html");
  EXPECT_EQ(pages.StartingAddress2, "http://b.example/");
  EXPECT_EQ(pages.StartingAddressOffLine2, "/x/b.html");
  EXPECT_EQ(dir.readFile("cv.ini"), "[TBstart]\r\n1=http://www.corvane.example.com/\r\n" + rest);

  dir.writeFile("cv.ini", "[TBstart]\r\n1=  \t \r\n" + rest);
  pages = resolveIn(dir);
  EXPECT_EQ(pages.StartingAddress1, "http://www.corvane.example.com/");
  EXPECT_EQ(dir.readFile("cv.ini"), "[TBstart]\r\n1=http://www.corvane.example.com/\r\n" + rest);
}

TEST(ResolveHomePages, CompleteFileIsNotRewritten) {
  TempDir dir;
  const std::string complete =
      "[tbstart]\n1=http://t.example/\n[TBSTARTOFFLINE]\n1=/x/a.html\n"
      "[BBstart]\n1=http://b.example/\n[bbstartoffline]\n1=/x/b.html\n";
  const fs::path ini = dir.writeFile("cv.ini", complete);
  const ino_t inode = inodeOf(ini);
  const HomePages pages = resolveIn(dir);
  EXPECT_EQ(pages.StartingAddress1, "http://t.example/");
  EXPECT_EQ(pages.StartingAddressOffLine1, "/x/a.html");
  EXPECT_EQ(pages.StartingAddress2, "http://b.example/");
  EXPECT_EQ(pages.StartingAddressOffLine2, "/x/b.html");
  EXPECT_EQ(dir.readFile("cv.ini"), complete);
  EXPECT_EQ(inodeOf(ini), inode);  // an atomic replace would have made a new file
}

TEST(ResolveHomePages, DefaultsStillServeWhenTheFileCannotBeWritten) {
  TempDir dir;
  const fs::path ini = dir.writeFile("cv.ini", "[BBstart]\r\n1=http://b.example/\r\n");
  ASSERT_EQ(::chmod(ini.c_str(), 0444), 0);
  HomePages pages = resolveIn(dir);
  EXPECT_EQ(pages.StartingAddress1, "http://www.corvane.example.com/");
  EXPECT_EQ(pages.StartingAddress2, "http://b.example/");
  EXPECT_EQ(pages.StartingAddressOffLine2, "/opt/corvane/CVguide.html");
  EXPECT_EQ(dir.readFile("cv.ini"), "[BBstart]\r\n1=http://b.example/\r\n");

  dir.writeFile("plain", "x");
  mdlGen nowhere(dir.path() / "plain" / "cv.ini");
  expectDefaults(ResolveHomePages(nowhere, kProgram, kSite));
  EXPECT_EQ(dir.readFile("plain"), "x");
}

}  // namespace
}  // namespace corvane
