#include "browser/SitePermissions.h"

#include <gtest/gtest.h>

#include "browser/EnginePrompts.h"

namespace corvane {
namespace {

TEST(SitePermissionsTest, AnAnswerHoldsForItsSiteAndFeatureAlone) {
  SitePermissions permissions;
  EXPECT_FALSE(permissions.answer("https://a.test", "camera").has_value());
  permissions.remember("https://a.test", "camera", false);
  permissions.remember("https://b.test", "location", true);
  EXPECT_EQ(permissions.answer("https://a.test", "camera"), false);
  EXPECT_EQ(permissions.answer("https://b.test", "location"), true);
  EXPECT_FALSE(permissions.answer("https://a.test", "location").has_value());
  EXPECT_FALSE(permissions.answer("https://b.test", "camera").has_value());
  EXPECT_FALSE(permissions.answer("http://a.test", "camera").has_value());
  permissions.remember("https://a.test", "camera", true);
  EXPECT_EQ(permissions.answer("https://a.test", "camera"), true);
}

TEST(SitePermissionsTest, TheQuestionsNameTheSiteAndWhatIsAtStake) {
  EXPECT_EQ(EnginePrompts::permission("https://a.test", "location"),
            "https://a.test wants to know your location.\n\nAllow it? Your answer holds for this "
            "site until Corvane closes.");
  EXPECT_NE(EnginePrompts::permission("https://a.test", "camera and microphone")
                .find("use your camera and microphone"),
            std::string::npos);
  const std::string certificate = EnginePrompts::certificate("a.test", "It is self-signed.");
  EXPECT_NE(certificate.find("a.test cannot be verified:\nIt is self-signed."), std::string::npos);
}

}  // namespace
}  // namespace corvane
