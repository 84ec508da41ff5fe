// What a page's documents report of themselves, and which of its requests stand for the
// document showing.
#include "browser/DocumentMarkers.h"

#include <gtest/gtest.h>

#include <string>

#include "browser/WebOrigin.h"

namespace corvane {
namespace {

using Kind = DocumentMarkers::Kind;

const std::string kFirst(32, 'a');
const std::string kSecond = "0123456789abcdef0123456789abcdef";

TEST(DocumentMarkersTest, OnlyTheDocumentShowingReportsAndIsAnswered) {
  DocumentMarkers markers;
  // Before any document has been created, nothing counts.
  EXPECT_EQ(markers.read("input", kFirst, "").kind, Kind::None);
  EXPECT_FALSE(markers.isShowing(kFirst, "http://a.test"));

  const DocumentMarkers::Report created = markers.read("created", kFirst, "http://a.test/x?y z");
  EXPECT_EQ(created.kind, Kind::Created);
  EXPECT_EQ(created.address, "http://a.test/x?y z");
  EXPECT_EQ(markers.read("parsed", kFirst, "").kind, Kind::Parsed);
  EXPECT_EQ(markers.read("input", kFirst, "").kind, Kind::Input);
  EXPECT_EQ(markers.read("loaded", kFirst, "http://a.test/x").address, "http://a.test/x");
  EXPECT_TRUE(markers.isShowing(kFirst, "http://a.test"));

  // The next document: the one before has gone, whatever its reports and requests say.
  markers.read("created", kSecond, "https://b.test/");
  for (const char* kind : {"parsed", "loaded", "input", "created "}) {
    EXPECT_EQ(markers.read(kind, kFirst, "http://a.test/").kind, Kind::None) << kind;
  }
  EXPECT_FALSE(markers.isShowing(kFirst, "http://a.test"));
  EXPECT_FALSE(markers.isShowing(kFirst, "https://b.test"));
  EXPECT_TRUE(markers.isShowing(kSecond, "https://b.test:443"));
  // Another site's request with the right key is refused too.
  EXPECT_FALSE(markers.isShowing(kSecond, "https://evil.test"));
  EXPECT_FALSE(markers.isShowing(kSecond, "http://b.test"));

  // A renderer that ends takes its document along.
  markers.clear();
  EXPECT_FALSE(markers.isShowing(kSecond, "https://b.test"));
  EXPECT_EQ(markers.read("input", kSecond, "").kind, Kind::None);
}

TEST(DocumentMarkersTest, WhatIsNoKeyNeverCounts) {
  DocumentMarkers markers;
  for (const std::string& key : {std::string(), std::string(31, 'a'), std::string(33, 'a'),
                                 std::string(32, 'A'), std::string(31, 'a') + "-"}) {
    EXPECT_EQ(markers.read("created", key, "http://a.test/").kind, Kind::None) << key;
    EXPECT_FALSE(markers.isShowing(key, "null")) << key;
  }
}

TEST(DocumentMarkersTest, TheScriptsTrustOnlyTheEnginesOwnEvents) {
  const std::string created = DocumentMarkers::creationScript("SEND");
  EXPECT_EQ(created.find("console"), std::string::npos);
  // The load and the user's input count only when the engine made the event.
  EXPECT_NE(created.find("if (e.isTrusted && e.target === document) send('loaded'"),
            std::string::npos);
  EXPECT_NE(created.find("if (e.isTrusted) send('input'"), std::string::npos);
  EXPECT_NE(created.find("crypto.getRandomValues"), std::string::npos);
  EXPECT_EQ(DocumentMarkers::parsedScript("SEND").find("(SEND)('parsed'"), 0u);
}

TEST(WebOriginTest, AnAddressComesDownToItsSchemeHostAndPort) {
  const struct {
    const char* address;
    const char* origin;
  } cases[] = {
      {"http://A.Test/x?y#z", "http://a.test"},
      {"HTTPS://user:pw@a.test:443/", "https://a.test"},
      {"https://a.test:8443", "https://a.test:8443"},
      {"http://127.0.0.1:080/", "http://127.0.0.1"},
      {"http://[::1]:8080/p", "http://[::1]:8080"},
      {"http://[::1]/p", "http://[::1]"},
      {"ws://a.test:80/s", "ws://a.test"},
      {"file:///home/u/a.html", "file://"},
      {"blob:https://a.test/1-2-3", "https://a.test"},
      {"about:blank", "null"},
      {"data:text/html,hi", "null"},
      {"javascript:alert(1)", "null"},
      {"http:///nohost", "null"},
      {"http://a.test:x/", "null"},
      {"null", "null"},
      {"", "null"},
  };
  for (const auto& c : cases) EXPECT_EQ(webOrigin(c.address), c.origin) << c.address;
}

}  // namespace
}  // namespace corvane
