#include "browser/LocalFileKind.h"

#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "browser/DesktopEntry.h"
#include "browser/LocalFilePage.h"
#include "browser/LocalFileRoute.h"

namespace corvane {
namespace {

using Kind = LocalFileKind::Kind;

// The name decides what the engine shows; anything else is looked at, wherever the name's
// ".TXT" or ".HTML" stands.
TEST(LocalFileKindTest, TheEngineShowsItsTypesTextIsShownAsTextTheRestGoesToTheDesktop) {
  TempDir dir;
  const std::string binary("PK\x03\x04\0\0\x14\0binary", 14);
  const struct {
    const char* name;
    std::string bytes;
    Kind kind;
    const char* charset;
  } cases[] = {
      {"page.HTML", binary, Kind::Engine, ""},
      {"picture.jpg", binary, Kind::Engine, ""},
      {"notes.html.bak", "<p>caf\xc3\xa9</p>\n", Kind::Text, "utf-8"},
      {"README", "plain\ttext\r\n", Kind::Text, "utf-8"},
      {"old.doc",
       "Gr\xfc\xdf"
       "e\n",
       Kind::Text, "windows-1252"},
      {"report.doc", binary, Kind::Other, ""},
      {"reference.en.txt.gz", "\x1f\x8b\x08\x08\x01\x02\x03\x04", Kind::Other, ""},
      {"empty.cfg", "", Kind::Text, "utf-8"},
  };
  for (const auto& c : cases) {
    const LocalFileKind kind = LocalFileKind::of(dir.writeFile(c.name, c.bytes).string());
    EXPECT_EQ(kind.kind, c.kind) << c.name;
    EXPECT_EQ(kind.charset, c.charset) << c.name;
  }
  EXPECT_EQ(LocalFileKind::of((dir.path() / "missing.doc").string()).kind, Kind::Engine);
  EXPECT_EQ(LocalFileKind::of(dir.path().string()).kind, Kind::Engine);
  const std::string longText(LocalFileKind::kMaxTextBytes + 1, 'a');
  EXPECT_EQ(LocalFileKind::of(dir.writeFile("long.log", longText).string()).kind, Kind::LargeText);
}

TEST(LocalFileRouteTest, OnlyALocalPagesLinkToAFileIsShownLikeAFileThePaneWasSentTo) {
  const auto of = [](Kind kind) {
    LocalFileKind file;
    file.kind = kind;
    return file;
  };
  EXPECT_EQ(routeOfRequest(of(Kind::Engine)), LocalFileRoute::Engine);
  EXPECT_EQ(routeOfRequest(of(Kind::Text)), LocalFileRoute::Text);
  EXPECT_EQ(routeOfRequest(of(Kind::LargeText)), LocalFileRoute::Notice);
  EXPECT_EQ(routeOfRequest(of(Kind::Other)), LocalFileRoute::Notice);
  for (Kind kind : {Kind::Engine, Kind::Text, Kind::LargeText, Kind::Other}) {
    EXPECT_EQ(routeOfLink(of(kind), true), routeOfRequest(of(kind)));
    EXPECT_EQ(routeOfLink(of(kind), false), LocalFileRoute::Engine);
  }
}

TEST(LocalFilePageTest, NamesTheFileAndItsApplicationSafely) {
  LocalFileKind other;
  other.kind = Kind::Other;
  other.size = 2048;
  const LocalFilePage page("/home/me/<b>&.xls", other, "Calc \"Pro\"", "http://open.invalid/t");
  EXPECT_EQ(page.title(), "<b>&.xls");
  EXPECT_EQ(page.buttonText(), "Open with Calc \"Pro\"");
  const std::string html = page.html();
  EXPECT_NE(html.find("<title>&lt;b&gt;&amp;.xls</title>"), std::string::npos);
  EXPECT_NE(html.find("href=\"http://open.invalid/t\">Open with Calc &quot;Pro&quot;</a>"),
            std::string::npos);
  EXPECT_EQ(html.find("<b>"), std::string::npos);
  EXPECT_EQ(LocalFilePage("/a", other, "", "x").buttonText(),
            "Open with the desktop's default application");

  EXPECT_EQ(DesktopEntry::name("[Desktop Action new]\nName=New\n\n[Desktop Entry]\n"
                               "Type=Application\nName[de]=Rechner\n Name = Calc Pro \n"),
            "Calc Pro");
  EXPECT_EQ(DesktopEntry::name("Name=Loose\n[Other]\nName=X\n[Desktop Entry]\nExec=x\n"), "");
}

}  // namespace
}  // namespace corvane
