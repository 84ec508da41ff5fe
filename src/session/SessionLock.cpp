#include "session/SessionLock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>
#include <system_error>

namespace corvane {

namespace {

long readHolder(int fd) {
  char text[32] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  if (n <= 0) return 0;
  long pid = 0;
  for (ssize_t i = 0; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
    pid = pid * 10 + (text[i] - '0');
    if (pid > 1 << 30) return 0;
  }
  return pid;
}

void writeHolder(int fd) {
  const std::string text = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0) {
    // Only for the user to read: a failure here changes nothing of the lock.
    const ssize_t written = ::pwrite(fd, text.data(), text.size(), 0);
    (void)written;
  }
}

}  // namespace

SessionLock::SessionLock(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    state_ = State::Held;
    writeHolder(fd_);
    return;
  }
  if (errno == EWOULDBLOCK) {
    state_ = State::HeldByOther;
    holder_ = readHolder(fd_);
  }
  ::close(fd_);
  fd_ = -1;
}

SessionLock::~SessionLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace corvane
