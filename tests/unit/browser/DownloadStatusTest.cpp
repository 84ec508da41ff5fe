#include "browser/DownloadStatus.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

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
