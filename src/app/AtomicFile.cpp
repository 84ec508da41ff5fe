#include "app/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
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

  fs::path temp;
  const int fd = createTempBeside(target, temp);
  if (fd < 0) {
    return false;
  }
  bool ok = writeAll(fd, text);
  if (ok && exists) {
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    // Hand the copy to the old file's owner where that is allowed (root editing a user's file).
    ok = ok && (::fchown(fd, old.st_uid, old.st_gid) == 0 || errno == EPERM);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) {
    fs::rename(temp, target, ec);
    ok = !ec;
  }
  if (!ok) {
    fs::remove(temp, ec);
    return false;
  }
  syncFolder(target.parent_path());
  return true;
}

}  // namespace corvane
