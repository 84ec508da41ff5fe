#include "app/mdlGen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "TempDir.h"

namespace corvane {
namespace {

TEST(mdlGen, ReadSettingLoopsOverTheKeysUpToTheIndex) {
  TempDir dir;
  dir.writeFile("cv.ini", "[TBstart]\r\n0=zero\r\n-1=minus\r\n1=one\r\n3=three\r\n40000=far\r\n");
  const mdlGen settings(dir.path() / "cv.ini");
  EXPECT_EQ(settings.ReadSetting("TBstart", 1), "one");
  EXPECT_EQ(settings.ReadSetting("tbstart", 1), "one");
  // Below 1 nothing is looked up, not even keys "0" or "-1" that exist.
  EXPECT_EQ(settings.ReadSetting("TBstart", 0), "");
  EXPECT_EQ(settings.ReadSetting("TBstart", -1), "");
  // The latest lookup wins, even when it found nothing.
  EXPECT_EQ(settings.ReadSetting("TBstart", 2), "");
  EXPECT_EQ(settings.ReadSetting("TBstart", 3), "three");
  // Past 16 bits the conversion fails and the call yields "", whatever the file holds.
  EXPECT_EQ(settings.ReadSetting("TBstart", 40000), "");
  EXPECT_EQ(settings.ReadSetting("TBstart", std::numeric_limits<std::int32_t>::min()), "");
}

TEST(mdlGen, ReadSettingReturnsTheValueAsTheFileRulesGiveIt) {
  TempDir dir;
  dir.writeFile("cv.ini",
                "[TBstart]\r\n1=   \r\n[BBstart]\r\n1=\"http://q.example/\"\r\n"
                "[Long]\r\n1=" +
                    std::string(300, 'x') + "\r\n");
  const mdlGen settings(dir.path() / "cv.ini");
  EXPECT_EQ(settings.ReadSetting("TBstart", 1), "");
  EXPECT_EQ(settings.ReadSetting("BBstart", 1), "http://q.example/");
  EXPECT_EQ(settings.ReadSetting("Long", 1), std::string(254, 'x'));
  EXPECT_EQ(settings.ReadSetting("Absent", 1), "");
  EXPECT_EQ(mdlGen(dir.path() / "none.ini").ReadSetting("TBstart", 1), "");
}

TEST(mdlGen, ReadProfileStringFallsBackToTheDefault) {
  TempDir dir;
  dir.writeFile("cv.ini", "[s]\r\nk=\r\n");
  const mdlGen settings(dir.path() / "cv.ini");
  EXPECT_EQ(settings.ReadProfileString("s", "other", "dflt"), "dflt");
  EXPECT_EQ(settings.ReadProfileString("t", "k", "dflt"), "dflt");
  // A key that is present but empty yields "", not the default.
  EXPECT_EQ(settings.ReadProfileString("s", "k", "dflt"), "");
  EXPECT_EQ(mdlGen(dir.path() / "none.ini").ReadProfileString("s", "k", "dflt"), "dflt");
}

TEST(mdlGen, WriteSettingStoresUnderTheIndexAndIgnoresFailures) {
  TempDir dir;
  const mdlGen settings(dir.path() / "cv.ini");
  settings.WriteSetting("TBstart", 1, "a");
  settings.WriteSetting("TBstart", 2, "b");
  settings.WriteSetting("TBSTART", 1, "c");
  EXPECT_EQ(dir.readFile("cv.ini"), "[TBstart]\r\n1=c\r\n2=b\r\n");

  dir.writeFile("plain", "x");
  const mdlGen unwritable(dir.path() / "plain" / "cv.ini");
  EXPECT_NO_THROW(unwritable.WriteSetting("TBstart", 1, "v"));
  EXPECT_EQ(unwritable.ReadSetting("TBstart", 1), "");
}

}  // namespace
}  // namespace corvane
