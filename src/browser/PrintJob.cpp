#include "browser/PrintJob.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "base/AtomicFile.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

// A hidden name beside the target that no file holds yet.
std::string tempNameFor(const fs::path& target) {
  const fs::path folder = target.parent_path();
  const std::string base = "." + target.filename().string() + ".part";
  std::error_code ec;
  fs::path candidate = folder / base;
  for (int n = 1; fs::exists(fs::symlink_status(candidate, ec)); ++n) {
    candidate = folder / (base + std::to_string(n));
  }
  return candidate.string();
}

// The engine makes its file readable by its owner alone; a print gets the permissions of any
// file Corvane saves: those of the file it replaces, or those of a new file.
void givePermissions(const std::string& temp, const std::string& target) {
  const int fd = ::open(temp.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    FileSteps::system().copyModeAndOwner(fd, target);
  } else {
    ::fchmod(fd, AtomicFile::newFileMode());
  }
  ::close(fd);
}

void removeQuietly(const std::string& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

}  // namespace

std::string PrintJob::start(const std::string& target) {
  if (running()) throw std::logic_error("a print is running");
  target_ = target;
  temp_ = tempNameFor(fs::path(target));
  failure_.clear();
  state_ = State::Running;
  return temp_;
}

void PrintJob::cancel() {
  if (state_ == State::Running) state_ = State::Cancelling;
}

void PrintJob::finished(bool ok) {
  if (!running()) return;
  if (state_ == State::Cancelling || !ok) {
    removeQuietly(temp_);
    if (state_ == State::Cancelling) {
      state_ = State::Cancelled;
    } else {
      failure_ = "the page could not be printed";
      state_ = State::Failed;
    }
    return;
  }
  givePermissions(temp_, target_);
  std::error_code ec;
  fs::rename(temp_, target_, ec);
  if (ec) {
    removeQuietly(temp_);
    failure_ = ec.message();
    state_ = State::Failed;
    return;
  }
  state_ = State::Done;
}

std::string PrintJob::ProposedFile(const std::string& lastTarget, const std::string& pageName) {
  return (fs::path(lastTarget).parent_path() / (pageName + ".pdf")).string();
}

std::string PrintJob::message() const {
  const std::string name = fs::path(target_).filename().string();
  switch (state_) {
    case State::Idle:
      return {};
    case State::Running:
      return "Printing to " + name + "...";
    case State::Cancelling:
      return "Cancelling the print to " + name + "...";
    case State::Done:
      return name + " is complete.";
    case State::Failed:
      return "Printing to " + name + " failed: " + failure_ + ".";
    case State::Cancelled:
      return "Print cancelled; " + name + " was not written.";
  }
  return {};
}

}  // namespace corvane
