// The rules that keep a page from taking the browser over: its dialogs, pop-ups, downloads and
// their file names, links to other programs and the permissions it asks for.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "browser/DownloadGate.h"
#include "browser/DownloadStatus.h"
#include "browser/EnginePrompts.h"
#include "browser/ExternalLink.h"
#include "browser/PageDialogs.h"
#include "browser/PopupBlocker.h"
#include "browser/PopupSize.h"
#include "browser/SitePermissions.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

Strings addresses(const std::vector<PopupBlocker::Held>& held) {
  Strings result;
  for (const PopupBlocker::Held& popup : held) result.push_back(popup.address);
  return result;
}

TEST(PageGuardsTest, DialogsInQuickSuccessionOfferToStopThePage) {
  PageDialogs dialogs;
  EXPECT_FALSE(dialogs.offersSuppress(1000));  // a first dialog is a page's right
  dialogs.closed(1000, false);
  EXPECT_TRUE(dialogs.offersSuppress(1000 + PageDialogs::kQuickMs - 1));
  dialogs.closed(2000, false);
  EXPECT_FALSE(dialogs.offersSuppress(2000 + PageDialogs::kQuickMs));
  EXPECT_TRUE(dialogs.mayShow());
  dialogs.closed(9000, true);
  EXPECT_FALSE(dialogs.mayShow());
}

TEST(PageGuardsTest, ADialogSaysWhoseItIs) {
  EXPECT_EQ(EnginePrompts::dialogTitle("a.test"), "a.test says:");
  // A page without a host (a local file, a data page) is no less a page.
  EXPECT_EQ(EnginePrompts::dialogTitle(""), "This page says:");
}

TEST(PageGuardsTest, PopupsOpenOnlyWhenAskedForAndNeverTooMany) {
  PopupBlocker blocker;
  EXPECT_TRUE(blocker.request(true, false, 0, "a.test", "http://a.test/1"));
  EXPECT_TRUE(blocker.request(false, true, 2, "a.test", "http://a.test/2"));
  EXPECT_EQ(blocker.notice(), "");
  // Not asked for, or one too many even when asked for.
  EXPECT_FALSE(blocker.request(false, false, 0, "a.test", "http://a.test/3"));
  EXPECT_EQ(blocker.notice(), "Corvane blocked 1 pop-up window from a.test");
  EXPECT_FALSE(blocker.request(true, true, PopupBlocker::kMaxOpen, "a.test", "http://a.test/4"));
  for (int i = 0; i < 50; ++i) blocker.request(false, false, 0, "a.test", "http://a.test/x");
  EXPECT_EQ(blocker.notice(), "Corvane blocked 52 pop-up windows from a.test");
  // Allowed after all: as many as there is room for, the first blocked first.
  EXPECT_EQ(addresses(blocker.release(1)), (Strings{"http://a.test/3", "http://a.test/4"}));
  EXPECT_EQ(blocker.blocked(), 0);
  // The count is the page's now: another site's pop-ups start it again.
  blocker.request(false, false, 0, "a.test", "http://a.test/5");
  blocker.request(false, false, 0, "b.test", "http://b.test/1");
  EXPECT_EQ(blocker.notice(), "Corvane blocked 1 pop-up window from b.test");
  EXPECT_EQ(addresses(blocker.release(0)), Strings{"http://b.test/1"});
}

// The strip belongs to the document that asked: once it has gone, nothing it asked for is
// counted or opens, and a pop-up let through keeps the size its page asked for.
TEST(PageGuardsTest, BlockedPopupsGoWithTheirDocumentAndKeepTheirSize) {
  PopupBlocker blocker;
  for (int i = 0; i < 400; ++i) blocker.request(false, false, 0, "a.test", "http://a.test/old");
  blocker.dismiss();
  EXPECT_EQ(blocker.notice(), "");
  EXPECT_TRUE(blocker.release(0).empty());
  blocker.request(false, false, 0, "a.test", "http://a.test/new", 200, 150);
  EXPECT_EQ(blocker.notice(), "Corvane blocked 1 pop-up window from a.test");
  const std::vector<PopupBlocker::Held> held = blocker.release(0);
  ASSERT_EQ(held.size(), 1u);
  EXPECT_EQ(held[0].address, "http://a.test/new");
  EXPECT_EQ(std::make_pair(held[0].width, held[0].height), std::make_pair(200, 150));
}

TEST(PageGuardsTest, APopupGetsTheSizeItAskedForWithinTheScreen) {
  const auto fit = [](int width, int height, int screenWidth, int screenHeight) {
    const PopupSize size = PopupSize::fit(width, height, 30, screenWidth, screenHeight);
    return std::make_pair(size.width, size.height);
  };
  // The page area asked for, with the address line above it.
  EXPECT_EQ(fit(200, 150, 1280, 1024), std::make_pair(200, 180));
  // None asked: a dialog's size.
  EXPECT_EQ(fit(0, 0, 1280, 1024),
            std::make_pair(PopupSize::kDefaultWidth, PopupSize::kDefaultHeight));
  // Never beyond the screen's free area, nor too small to use.
  EXPECT_EQ(fit(5000, 4000, 1280, 1000), std::make_pair(1280, 1000));
  EXPECT_EQ(fit(INT32_MAX, INT32_MAX, 1280, 1000), std::make_pair(1280, 1000));
  EXPECT_EQ(fit(1, 1, 1280, 1024), std::make_pair(PopupSize::kMinimum, PopupSize::kMinimum + 30));
  // Where the screen is not known, as asked.
  EXPECT_EQ(fit(3000, 2000, 0, 0), std::make_pair(3000, 2030));
}

TEST(PageGuardsTest, ASecondDownloadWithoutAClickAsksOnceAndTheAnswerHolds) {
  using Decision = DownloadGate::Decision;
  DownloadGate gate;
  // A page the user has not acted in yet asks from its first download on.
  EXPECT_EQ(gate.request(), Decision::Ask);
  gate.answered(false);
  EXPECT_EQ(gate.request(), Decision::Refuse);
  gate.userActed();
  EXPECT_EQ(gate.request(), Decision::Go);
  EXPECT_EQ(gate.request(), Decision::Ask);
  EXPECT_EQ(gate.request(), Decision::Refuse);  // while the question is up
  gate.answered(false);
  EXPECT_EQ(gate.request(), Decision::Refuse);
  gate.userActed();
  EXPECT_EQ(gate.request(), Decision::Go);
  gate.userActed();
  EXPECT_EQ(gate.request(), Decision::Go);
  EXPECT_EQ(gate.request(), Decision::Ask);
  gate.answered(true);
  EXPECT_EQ(gate.request(), Decision::Go);
  EXPECT_EQ(gate.request(), Decision::Go);
}

TEST(PageGuardsTest, LinksToOtherProgramsNameTheProgramFirst) {
  EXPECT_TRUE(ExternalLink::isEngineScheme("https"));
  EXPECT_FALSE(ExternalLink::isEngineScheme("mailto"));
  EXPECT_EQ(ExternalLink::mimeType("mailto"), "x-scheme-handler/mailto");
  const std::string asked = ExternalLink::question("mailto:ann@a.test", "Mail Reader");
  EXPECT_NE(asked.find("mailto:ann@a.test"), std::string::npos);
  EXPECT_NE(asked.find("Open it with Mail Reader?"), std::string::npos);
  EXPECT_NE(ExternalLink::question("tel:1", "").find("default program"), std::string::npos);
  // Corvane's own scheme is nobody else's.
  EXPECT_TRUE(ExternalLink::isOwnScheme("corvane-dialog"));
  EXPECT_FALSE(ExternalLink::isEngineScheme("corvane-dialog"));
  EXPECT_FALSE(ExternalLink::isOwnScheme("mailto"));
}

TEST(PageGuardsTest, ALongAddressLeavesOutItsMiddleVisibly) {
  const std::string ellipsis = "\xE2\x80\xA6";
  EXPECT_EQ(ExternalLink::shortened("mailto:ann@a.test", 17), "mailto:ann@a.test");
  EXPECT_EQ(ExternalLink::shortened("abcdefghij", 7), "ab" + ellipsis + "ij");
  // A character is never cut in two: "é" is two bytes.
  EXPECT_EQ(ExternalLink::shortened("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 6), "\xC3\xA9" + ellipsis);
  EXPECT_EQ(ExternalLink::shownAddress("x:" + std::string(5000, 'a')).size(), 5002u);
  const std::string address = "x:" + std::string(100000, 'a') + "@end";
  const std::string shown = ExternalLink::shownAddress(address);
  EXPECT_LE(shown.size(), 65536u);
  EXPECT_EQ(shown.substr(0, 3), "x:a");
  EXPECT_EQ(shown.substr(shown.size() - 4), "@end");
  EXPECT_NE(shown.find(ellipsis), std::string::npos);
  EXPECT_NE(ExternalLink::question(address, "P").find("\n" + shown + "\n"), std::string::npos);
}
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

// An answer is kept by origin: the same scheme, host and port, whatever the page's path, query
// or fragment; another port is another site, and pages without an origin share no answer.
TEST(SitePermissionsTest, AnAnswerHoldsForTheWholeOrigin) {
  SitePermissions permissions;
  permissions.remember("http://127.0.0.1:8080/popflood.html?3", "pop-ups", true);
  EXPECT_EQ(permissions.answer("http://127.0.0.1:8080/popflood.html?4", "pop-ups"), true);
  EXPECT_EQ(permissions.answer("HTTP://127.0.0.1:8080/other/page.html#top", "pop-ups"), true);
  EXPECT_FALSE(permissions.answer("http://127.0.0.1:8081/popflood.html?3", "pop-ups"));
  EXPECT_FALSE(permissions.answer("https://127.0.0.1:8080/popflood.html?3", "pop-ups"));
  permissions.remember("https://b.test/a?x=1", "camera", false);
  EXPECT_EQ(permissions.answer("https://b.test:443/b", "camera"), false);
  permissions.remember("data:text/html,<p>hi", "pop-ups", true);
  EXPECT_FALSE(permissions.answer("data:text/html,<p>other", "pop-ups"));
  EXPECT_FALSE(permissions.answer("about:blank", "pop-ups"));
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
using DownloadStatus::State;

TEST(DownloadStatusTest, EachStateSaysWhatBecameOfTheDownload) {
  EXPECT_EQ(DownloadStatus::text(State::InProgress, 512 * 1024, 2 * 1024 * 1024, "/d", ""),
            "25% of 2.0 MB received");
  // A server that does not give the size: only what has come.
  EXPECT_EQ(DownloadStatus::text(State::InProgress, 1, -1, "/d", ""), "1 byte received");
  EXPECT_EQ(DownloadStatus::text(State::InProgress, 3000, 0, "/d", ""), "3 KB received");
  EXPECT_EQ(DownloadStatus::text(State::Done, 12, 12, "/home/u/Downloads", ""),
            "Done: 12 bytes saved in /home/u/Downloads");
  EXPECT_EQ(DownloadStatus::text(State::Cancelled, 5, 10, "/d", ""), "Cancelled");
  EXPECT_EQ(DownloadStatus::text(State::Failed, 5, 10, "/d", "Network error"),
            "Failed: Network error");
  EXPECT_EQ(DownloadStatus::text(State::Failed, 5, 10, "/d", ""),
            "Failed: the download was interrupted");
}

TEST(DownloadStatusTest, TheProposedFileStaysInTheDownloadFolder) {
  EXPECT_EQ(DownloadStatus::proposedPath("/home/u/Downloads", "report.pdf"),
            "/home/u/Downloads/report.pdf");
  EXPECT_EQ(DownloadStatus::proposedPath("/home/u/Downloads", "../../etc/passwd"),
            "/home/u/Downloads/passwd");
  EXPECT_EQ(DownloadStatus::proposedPath("/home/u/Downloads", ""), "/home/u/Downloads/download");
  EXPECT_EQ(DownloadStatus::proposedPath("/home/u/Downloads", ".."), "/home/u/Downloads/download");
  // Nothing hidden, nothing a terminal would act on.
  EXPECT_EQ(DownloadStatus::proposedPath("/d", "../../.bashrc"), "/d/bashrc");
  const std::string controls = std::string("a\x01") + "b\x1b[31mc\x7f" + "d\tz.txt";
  EXPECT_EQ(DownloadStatus::proposedPath("/d", controls), "/d/ab[31mcdz.txt");
  EXPECT_EQ(DownloadStatus::proposedPath("/d", ". .\n."), "/d/download");
}

}  // namespace
}  // namespace corvane
