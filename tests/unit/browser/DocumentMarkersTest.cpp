#include "browser/DocumentMarkers.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

using Kind = DocumentMarkers::Kind;

TEST(DocumentMarkersTest, ReadsOnlyItsOwnScriptsReports) {
  const DocumentMarkers markers("t0k3n");
  const struct {
    std::string message;
    Kind kind;
    std::string address;
  } cases[] = {
      {"t0k3n created http://a.test/x?y z", Kind::Created, "http://a.test/x?y z"},
      {"t0k3n parsed", Kind::Parsed, ""},
      {"t0k3n loaded about:blank", Kind::Loaded, "about:blank"},
      {"t0k3n input", Kind::Input, ""},
      // What a page can write without the token, or around it, is its own message.
      {"t0k3 created http://a.test/", Kind::None, ""},
      {"other created http://a.test/", Kind::None, ""},
      {" t0k3n parsed", Kind::None, ""},
      {"t0k3n parsed ", Kind::None, ""},
      {"t0k3n created", Kind::None, ""},
      {"t0k3n", Kind::None, ""},
      {"", Kind::None, ""},
  };
  for (const auto& c : cases) {
    const DocumentMarkers::Report report = markers.read(c.message);
    EXPECT_EQ(report.kind, c.kind) << c.message;
    EXPECT_EQ(report.address, c.address) << c.message;
  }
  EXPECT_EQ(DocumentMarkers("").read(" parsed").kind, Kind::None);
}

TEST(DocumentMarkersTest, EachPageDrawsAFreshTokenItsScriptsCarry) {
  const DocumentMarkers one;
  const DocumentMarkers two;
  EXPECT_NE(one.token(), two.token());
  EXPECT_GE(one.token().size(), 20u);
  // The token is written into the scripts as it is.
  EXPECT_EQ(one.token().find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyz"),
            std::string::npos);
  EXPECT_NE(one.creationScript().find(one.token() + " created "), std::string::npos);
  EXPECT_NE(one.creationScript().find(one.token() + " loaded "), std::string::npos);
  EXPECT_NE(one.creationScript().find(one.token() + " input"), std::string::npos);
  EXPECT_NE(one.parsedScript().find(one.token() + " parsed"), std::string::npos);
}

}  // namespace
}  // namespace corvane
