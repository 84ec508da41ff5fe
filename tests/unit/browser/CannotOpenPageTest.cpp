#include "browser/CannotOpenPage.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

using Refusal = AddressInput::Refusal;

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
