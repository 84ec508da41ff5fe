#include "Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvane {

namespace {
constexpr uid_t kNobody = 65534;
}  // namespace

std::string runUnprivileged(const std::function<std::string()>& work) {
  if (::geteuid() != 0) return work();
  int channel[2];
  if (::pipe(channel) != 0) return "no pipe to the unprivileged child";
  const pid_t child = ::fork();
  if (child < 0) return "no unprivileged child";
  if (child == 0) {
    ::close(channel[0]);
    std::string result = "could not drop root's privileges";
    if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0) {
      result = work();
    }
    const char* data = result.data();
    std::size_t left = result.size();
    while (left > 0) {
      const ssize_t n = ::write(channel[1], data, left);
      if (n <= 0) break;
      data += n;
      left -= static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string result;
  char buffer[512];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the unprivileged child failed";
  return result;
}

}  // namespace corvane
