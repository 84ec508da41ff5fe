#include "browser/PrintJob.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "TempDir.h"
#include "base/AtomicFile.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// Under its own name a file is complete: the engine writes beside it, and a print that does not
// finish leaves whatever was there before.
TEST(PrintJobTest, OnlyAFinishedPrintTakesTheFilesName) {
  TempDir dir;
  const fs::path target = dir.path() / "page.pdf";
  dir.writeFile("page.pdf", "old");
  dir.writeFile(".page.pdf.part", "someone else's");

  PrintJob job;
  const fs::path temp = job.start(target.string());
  EXPECT_EQ(temp.parent_path(), dir.path());
  EXPECT_FALSE(fs::exists(temp));
  EXPECT_THROW(job.start(target.string()), std::logic_error);
  EXPECT_EQ(job.message(), "Printing to page.pdf...");
  dir.writeFile(temp.filename(), "%PDF new");
  job.finished(true);
  EXPECT_EQ(job.state(), PrintJob::State::Done);
  EXPECT_EQ(job.message(), "page.pdf is complete.");
  EXPECT_EQ(dir.readFile("page.pdf"), "%PDF new");
  EXPECT_FALSE(fs::exists(temp));
  EXPECT_EQ(dir.readFile(".page.pdf.part"), "someone else's");

  for (const bool cancelled : {true, false}) {
    const fs::path again = job.start(target.string());
    dir.writeFile(again.filename(), "%PDF part");
    if (cancelled) job.cancel();
    // A cancelled print runs to its end; the other fails.
    job.finished(cancelled);
    EXPECT_EQ(job.state(), cancelled ? PrintJob::State::Cancelled : PrintJob::State::Failed);
    EXPECT_EQ(dir.readFile("page.pdf"), "%PDF new");
    EXPECT_FALSE(fs::exists(again));
  }
  EXPECT_EQ(job.message(), "Printing to page.pdf failed: the page could not be printed.");
}

// The engine writes its file for its owner alone; the print is saved like any other file.
TEST(PrintJobTest, APrintGetsThePermissionsOfEverySavedFile) {
  TempDir dir;
  const fs::path fresh = dir.path() / "new.pdf";
  const fs::path kept = dir.writeFile("kept.pdf", "old");
  fs::permissions(kept, static_cast<fs::perms>(0640));
  for (const fs::path& target : {fresh, kept}) {
    PrintJob job;
    const fs::path temp = job.start(target.string());
    dir.writeFile(temp.filename(), "%PDF");
    fs::permissions(temp, fs::perms::owner_read | fs::perms::owner_write);
    job.finished(true);
    ASSERT_EQ(job.state(), PrintJob::State::Done);
  }
  EXPECT_EQ(fs::status(fresh).permissions(), static_cast<fs::perms>(AtomicFile::newFileMode()));
  EXPECT_EQ(fs::status(kept).permissions(), static_cast<fs::perms>(0640));
  // Each print proposes its own page's name, in the folder of the last print.
  EXPECT_EQ(PrintJob::ProposedFile((dir.path() / "chapter.pdf").string(), "Release 2.0 notes"),
            (dir.path() / "Release 2.0 notes.pdf").string());
}

TEST(PrintJobTest, AFileThatCannotTakeItsNameIsAFailureAndLeavesNoPart) {
  TempDir dir;
  fs::create_directory(dir.path() / "taken.pdf");
  dir.writeFile("taken.pdf/inside", "x");
  PrintJob job;
  const fs::path temp = job.start((dir.path() / "taken.pdf").string());
  dir.writeFile(temp.filename(), "%PDF");
  job.finished(true);
  EXPECT_EQ(job.state(), PrintJob::State::Failed);
  EXPECT_FALSE(fs::exists(temp));
  EXPECT_NE(job.message().find("failed"), std::string::npos);
}

}  // namespace
}  // namespace corvane
