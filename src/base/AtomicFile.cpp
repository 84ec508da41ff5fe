#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>
#include <system_error>
#include <utility>

namespace corvane {

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Creates a new, unique temp file beside target; -1 on failure.
int createTempBeside(const fs::path& target, fs::path& temp) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = target.parent_path() /
           ("." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
            std::to_string(stamp) + "-" + std::to_string(attempt));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) {
      return fd;
    }
  }
  return -1;
}

// Writes text into a new temp file beside target, runs prepare on it, and syncs it. False on
// any failure, with no temp file left; otherwise temp names the file.
template <typename Prepare>
bool writeTempBeside(const fs::path& target, std::string_view text, Prepare&& prepare,
                     fs::path& temp) {
  const int fd = createTempBeside(target, temp);
  if (fd < 0) {
    return false;
  }
  bool ok = writeAll(fd, text) && prepare(fd);
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    std::error_code ec;
    fs::remove(temp, ec);
  }
  return ok;
}

// Moves temp to target unless something is there already.
bool renameWithoutReplacing(const fs::path& temp, const fs::path& target) {
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return false;
  }
  // A file system without that kind of rename: a hard link, too, fails on a name in use.
  if (::link(temp.c_str(), target.c_str()) != 0) {
    return false;
  }
  ::unlink(temp.c_str());
  return true;
}

void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return;
  }
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

AtomicFile::AtomicFile(fs::path path) : path_(std::move(path)) {}

bool AtomicFile::replace(std::string_view text) const {
  std::error_code ec;
  fs::path target = path_;
  if (fs::is_symlink(path_, ec)) {
    target = fs::canonical(path_, ec);  // write through the link rather than replace it
    if (ec) {
      return false;
    }
  }

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) {
    return false;
  }
  if (exists) {
    // Write bits are checked as well as access(): root may write anything, yet a file marked
    // read-only is meant to stay as it is.
    if (!S_ISREG(old.st_mode) || (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
      return false;
    }
    if (::access(target.c_str(), W_OK) != 0) {
      return false;
    }
  }

  // The copy takes the old file's permissions, and its owner where that is allowed (root
  // editing a user's file).
  const auto keepModeAndOwner = [&](int fd) {
    return !exists || (::fchmod(fd, old.st_mode & 07777) == 0 &&
                       (::fchown(fd, old.st_uid, old.st_gid) == 0 || errno == EPERM));
  };
  fs::path temp;
  const bool written = writeTempBeside(target, text, keepModeAndOwner, temp);
  if (!written) {
    return false;
  }
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  syncFolder(target.parent_path());
  return true;
}

bool AtomicFile::create(std::string_view text) const {
  const auto asAnyNewFile = [](int) { return true; };
  fs::path temp;
  if (!writeTempBeside(path_, text, asAnyNewFile, temp)) {
    return false;
  }
  if (!renameWithoutReplacing(temp, path_)) {
    std::error_code ec;
    fs::remove(temp, ec);
    return false;
  }
  syncFolder(path_.parent_path());
  return true;
}

}  // namespace corvane
