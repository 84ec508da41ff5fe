#include "browser/AddressInput.h"

#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "browser/CannotOpenPage.h"

namespace corvane {
namespace {

using Refusal = AddressInput::Refusal;
using Verdict = AddressInput::Verdict;

const char kHome[] = "/home/ann";

AddressInput parse(const std::string& typed, const std::string& workingFolder = "") {
  return AddressInput::parse(typed, kHome, workingFolder);
}

TEST(AddressInputTest, AddressesAndPathsAreOpenedTrimmedWithTheirSchemeKnown) {
  struct Case {
    const char* typed;
    const char* address;
    const char* scheme;
  };
  for (const Case& c : {
           Case{"  http://site.test/a b  ", "http://site.test/a b", "http"},
           Case{"HTTPS://Site.test/", "HTTPS://Site.test/", "https"},
           Case{"site.test/a.html", "site.test/a.html", ""},
           Case{"site.test/with blanks.html", "site.test/with blanks.html", ""},
           Case{"localhost:8080/x", "localhost:8080/x", ""},  // a port, not a scheme
           Case{"127.0.0.1:8080", "127.0.0.1:8080", ""},
           Case{"intranet:80?q=1", "intranet:80?q=1", ""},
           Case{"/tmp/x y.html", "/tmp/x y.html", ""},
           Case{"file:///tmp/x.html", "file:///tmp/x.html", "file"},
           Case{"about:blank", "about:blank", "about"},
           Case{"data:text/html,<p>hi</p>", "data:text/html,<p>hi</p>", "data"},
       }) {
    const AddressInput input = parse(c.typed);
    EXPECT_EQ(input.verdict(), Verdict::Open) << c.typed;
    EXPECT_EQ(input.address(), c.address) << c.typed;
    EXPECT_EQ(input.scheme(), c.scheme) << c.typed;
    EXPECT_FALSE(input.viewSource()) << c.typed;
  }
  EXPECT_EQ(parse(" \t ").verdict(), Verdict::Nothing);
  EXPECT_EQ(parse("").verdict(), Verdict::Nothing);
}

TEST(AddressInputTest, TildeIsTheHomeFolderAsInAShell) {
  EXPECT_EQ(parse("~").address(), "/home/ann");
  EXPECT_EQ(parse("~/notes.html").address(), "/home/ann/notes.html");
  EXPECT_EQ(AddressInput::parse("~/n.html", "/home/ann/", "").address(), "/home/ann/n.html");
  EXPECT_EQ(AddressInput::parse("~/n.html", "/", "").address(), "/n.html");
  // Only the user's own home; a tilde elsewhere is part of a name.
  EXPECT_EQ(parse("site.test/~bob/").address(), "site.test/~bob/");
  EXPECT_EQ(parse("view-source:~/a.html").address(), "/home/ann/a.html");
}

TEST(AddressInputTest, ViewSourceIsTakenOffTheAddressAnyCase) {
  for (const char* typed : {"view-source:site.test/a", "VIEW-SOURCE: site.test/a"}) {
    const AddressInput input = parse(typed);
    EXPECT_EQ(input.verdict(), Verdict::Open) << typed;
    EXPECT_TRUE(input.viewSource()) << typed;
    EXPECT_EQ(input.address(), "site.test/a") << typed;
  }
  EXPECT_EQ(parse("view-source:").refusal(), Refusal::NotAnAddress);
  EXPECT_EQ(parse("view-source:javascript:alert(1)").refusal(), Refusal::Script);
}

TEST(AddressInputTest, WhatNoEngineShouldBeHandedIsRefusedWithItsReason) {
  struct Case {
    const char* typed;
    Refusal why;
    const char* scheme;
  };
  for (const Case& c : {
           Case{"javascript:alert(1)", Refusal::Script, "javascript"},
           Case{"JavaScript:void(0)", Refusal::Script, "javascript"},
           // A known scheme stays one whatever follows, a port-like number included.
           Case{"javascript:1", Refusal::Script, "javascript"},
           Case{"vbscript:0/x", Refusal::Script, "vbscript"},
           Case{"mailto:123", Refusal::UnsupportedScheme, "mailto"},
           Case{"myapp:open", Refusal::UnsupportedScheme, "myapp"},
           Case{"ftp://site.test/file", Refusal::UnsupportedScheme, "ftp"},
           Case{"C:\\foo\\bar.html", Refusal::WindowsPath, ""},
           Case{"c:/foo/bar.html", Refusal::WindowsPath, ""},
           Case{"D:", Refusal::WindowsPath, ""},
           Case{"\\\\server\\share\\a.html", Refusal::WindowsPath, ""},
           Case{"docs\\a.html", Refusal::WindowsPath, ""},
           Case{"http://", Refusal::NoHost, "http"},
           Case{"https:///path", Refusal::NoHost, "https"},
           Case{"http:site.test", Refusal::NoHost, "http"},
           Case{"http://exa mple.test/", Refusal::NoHost, "http"},
           Case{"garbage text here", Refusal::NotAnAddress, ""},
           Case{"ex ample.test/a", Refusal::NotAnAddress, ""},
       }) {
    const AddressInput input = parse(c.typed);
    EXPECT_EQ(input.verdict(), Verdict::Refuse) << c.typed;
    EXPECT_EQ(input.refusal(), c.why) << c.typed;
    EXPECT_EQ(input.scheme(), c.scheme) << c.typed;
  }
}

TEST(AddressInputTest, AFileNameWithBlanksIsOpenedWhenItExistsInTheWorkingFolder) {
  TempDir folder;
  folder.writeFile("local page.html", "<p>here</p>");
  EXPECT_EQ(parse("local page.html", folder.path().string()).verdict(), Verdict::Open);
  EXPECT_EQ(parse("local page.html", "").refusal(), Refusal::NotAnAddress);
  EXPECT_EQ(parse("other page.html", folder.path().string()).refusal(), Refusal::NotAnAddress);
}
const char kEngine[] = "https://search.test/?q=%s";

AddressInput withSearch(const std::string& typed, const std::string& workingFolder = "") {
  const auto known = [](const std::string& host) { return host == "intranet" || host == "nas"; };
  return AddressInput::parse(typed, {kHome, workingFolder, known, kEngine});
}

TEST(AddressInputTest, WordsThatNameNoHostAreSearchedWithTheChosenEngine) {
  struct Case {
    const char* typed;
    const char* words;
  };
  for (const Case& c : {
           Case{"debian reference manual", "debian reference manual"},
           Case{"  debian  ", "debian"},
           Case{"what?", "what?"},
           Case{"why/how", "why/how"},
           Case{"ex ample.test/a", "ex ample.test/a"},
           Case{"? debian.org", "debian.org"},
           Case{"?http://site.test/", "http://site.test/"},
           Case{"?C:\\x", "C:\\x"},
           Case{"select * from \"t\" where 1=1; --", "select * from \"t\" where 1=1; --"},
           Case{"100% _fast_ 'quoted' grüße", "100% _fast_ 'quoted' grüße"},
       }) {
    const AddressInput input = withSearch(c.typed);
    EXPECT_EQ(input.verdict(), Verdict::Search) << c.typed;
    EXPECT_EQ(input.searchWords(), c.words) << c.typed;
  }
  EXPECT_EQ(withSearch("debian reference manual").address(),
            "https://search.test/?q=debian%20reference%20manual");
  EXPECT_EQ(withSearch("100% _fast_ 'quoted' grüße").address(),
            "https://search.test/?q=100%25%20_fast_%20%27quoted%27%20gr%C3%BC%C3%9Fe");
  EXPECT_EQ(withSearch("a&b=c#d+e").address(), "https://search.test/?q=a%26b%3Dc%23d%2Be");
  EXPECT_EQ(withSearch("?").verdict(), Verdict::Nothing);
  EXPECT_EQ(withSearch("  ?  ").verdict(), Verdict::Nothing);
}

TEST(AddressInputTest, HostsSchemesPathsAndFilesAreNeverSearched) {
  TempDir folder;
  folder.writeFile("notes", "n");
  folder.writeFile("my notes.html", "n");
  for (const char* typed : {
           "debian.org",
           "localhost",
           "LocalHost/admin",
           "intranet",
           "NAS/share",
           "printer:631",
           "printer:631/jobs",
           "[::1]",
           "[::1]:8080",
           "http://site.test/a b",
           "file:///tmp/a b",
           "/tmp/x y.html",
           "~",
           "~/my notes.html",
           "notes",
           "my notes.html",
           "site.test/with blanks.html",
           "about:blank",
       }) {
    EXPECT_EQ(withSearch(typed, folder.path().string()).verdict(), Verdict::Open) << typed;
  }
  // The refusals stay, with their reasons.
  struct Case {
    const char* typed;
    Refusal why;
  };
  for (const Case& c : {
           Case{"javascript:alert('a b')", Refusal::Script},
           Case{"mailto:ann", Refusal::UnsupportedScheme},
           Case{"myapp:open", Refusal::UnsupportedScheme},
           Case{"C:\\Program Files\\a.html", Refusal::WindowsPath},
           Case{"docs\\a b.html", Refusal::WindowsPath},
           Case{"http://", Refusal::NoHost},
           Case{"view-source:debian reference", Refusal::NotAnAddress},
           Case{"~ann bob", Refusal::NotAnAddress},
       }) {
    const AddressInput input = withSearch(c.typed);
    EXPECT_EQ(input.verdict(), Verdict::Refuse) << c.typed;
    EXPECT_EQ(input.refusal(), c.why) << c.typed;
  }
  // Without an engine a word is a host name, and words are refused as before.
  EXPECT_EQ(parse("debian").verdict(), Verdict::Open);
  EXPECT_EQ(parse("?debian").verdict(), Verdict::Open);
  EXPECT_EQ(parse("debian reference").refusal(), Refusal::NotAnAddress);
}

TEST(AddressInputTest, AHundredThousandCharactersAreReadInOnePass) {
  const std::string words(100000, 'w');
  const AddressInput input = withSearch(words + " x");
  EXPECT_EQ(input.verdict(), Verdict::Search);
  EXPECT_EQ(input.address().size(), std::string(kEngine).size() - 2 + words.size() + 4);
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(CannotOpenPageTest, NamesTheTypedAddressEscapedInTitleAndBody) {
  const std::string typed = "<b>bold</b> & \"quoted\" 'x'";
  const CannotOpenPage page(typed, Refusal::NotAnAddress);
  EXPECT_EQ(page.title(), "Cannot open " + typed);
  const std::string html = page.html();
  const std::string escaped = "&lt;b&gt;bold&lt;/b&gt; &amp; &quot;quoted&quot; &#39;x&#39;";
  EXPECT_TRUE(contains(html, "<title>Cannot open " + escaped + "</title>")) << html;
  EXPECT_TRUE(contains(html, ">" + escaped + "</p>")) << html;
  EXPECT_FALSE(contains(html, "<b>bold")) << "no markup of the user's gets through";
  EXPECT_FALSE(contains(html, "<script"));
}

TEST(CannotOpenPageTest, SaysWhyAndWhatWouldWork) {
  struct Case {
    Refusal why;
    const char* scheme;
    const char* reason;
    const char* advice;
  };
  for (const Case& c : {
           Case{Refusal::NotAnAddress, "", "neither a web address nor the path of a file",
                "http://www.example.com/"},
           Case{Refusal::NoHost, "http", "does not name a host", "http://www.example.com/"},
           Case{Refusal::Script, "javascript", "does not run scripts", "~/page.html"},
           Case{Refusal::UnsupportedScheme, "mailto", "beginning with \"mailto:\"",
                "/home/you/page.html"},
           Case{Refusal::WindowsPath, "", "This is a Windows path", "~/notes.html"},
       }) {
    const std::string html = CannotOpenPage("x", c.why, c.scheme).html();
    EXPECT_TRUE(contains(html, c.reason)) << c.reason;
    EXPECT_TRUE(contains(html, c.advice)) << c.advice;
  }
}

}  // namespace
}  // namespace corvane
