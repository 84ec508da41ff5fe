#include "base/AtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <system_error>
#include <utility>

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTempPrefix = ".corvane-save-";
constexpr std::string_view kTempSuffix = ".tmp";
// The older form: ".<file name>.tmp-<process id>-<stamp>-<n>".
constexpr std::string_view kOldTempMark = ".tmp-";
// Links followed to the file a write lands in; more is taken for a loop.
constexpr int kMaxLinks = 40;

std::string tempName(long pid, long long stamp, int n) {
  return std::string(kTempPrefix) + std::to_string(pid) + "-" + std::to_string(stamp) + "-" +
         std::to_string(n) + std::string(kTempSuffix);
}

// Creates a new, unique temp file beside target; -1 on failure.
int createTempBeside(FileSteps& steps, const fs::path& target, fs::path& temp) {
  // Numbered through the whole run, so that many files saved at once never meet.
  static std::atomic<int> sequence{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = target.parent_path() / tempName(::getpid(), stamp, sequence++);
    const int fd = steps.createNew(temp);
    if (fd >= 0 || errno != EEXIST) {
      return fd;
    }
  }
  return -1;
}

// Writes text into a new temp file beside target (with the mode and owner of keepOf when that
// is not empty), and syncs it unless told not to. False on any failure, with no temp file left;
// otherwise temp names the file.
bool writeTempBeside(FileSteps& steps, const fs::path& target, std::string_view text,
                     const fs::path& keepOf, fs::path& temp, bool sync = true) {
  const int fd = createTempBeside(steps, target, temp);
  if (fd < 0) {
    return false;
  }
  bool ok = steps.write(fd, text) && (keepOf.empty() || steps.copyModeAndOwner(fd, keepOf));
  ok = ok && (!sync || steps.sync(fd));
  ok = steps.close(fd) && ok;
  if (!ok) {
    steps.remove(temp);
  }
  return ok;
}

// The file a write of path lands in: path itself, or the file its links end at, which need not
// exist. False for a loop of links or a link that can't be read.
bool landingFile(const fs::path& path, fs::path& target) {
  target = path;
  for (int hops = 0; hops < kMaxLinks; ++hops) {
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(target, ec).type();
    if (type != fs::file_type::symlink) {
      return type != fs::file_type::none && type != fs::file_type::unknown;
    }
    const fs::path link = fs::read_symlink(target, ec);
    if (ec) {
      return false;
    }
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return false;
}

// The "<process id>-<stamp>-<n>" part of a temp file's name, of either form; "" when the name
// is not one.
std::string numbersOf(const std::string& name) {
  if (name.size() > kTempPrefix.size() + kTempSuffix.size() &&
      name.compare(0, kTempPrefix.size(), kTempPrefix) == 0 &&
      name.compare(name.size() - kTempSuffix.size(), kTempSuffix.size(), kTempSuffix) == 0) {
    return name.substr(kTempPrefix.size(), name.size() - kTempPrefix.size() - kTempSuffix.size());
  }
  const std::size_t mark = name.rfind(kOldTempMark);
  if (name.size() > 1 && name[0] == '.' && mark != std::string::npos && mark > 1) {
    return name.substr(mark + kOldTempMark.size());
  }
  return {};
}

// The process id in a temp file's name; 0 when the name is not one.
long writerOf(const std::string& name) {
  const std::string middle = numbersOf(name);  // pid-stamp-n
  if (middle.empty()) {
    return 0;
  }
  int dashes = 0;
  for (char c : middle) {
    if (c == '-') {
      ++dashes;
    } else if (c < '0' || c > '9') {
      return 0;
    }
  }
  const std::size_t dash = middle.find('-');
  if (dashes != 2 || dash == 0 || dash > 9 || middle.back() == '-' ||
      middle.find("--") != std::string::npos) {
    return 0;
  }
  return std::stol(middle.substr(0, dash));
}

bool stillRunning(long pid) {
  return pid != ::getpid() && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// Removes the entry when it is a leftover temp file; true when it did.
bool removeIfLeftover(const fs::directory_entry& entry) {
  const long pid = writerOf(entry.path().filename().string());
  std::error_code ec;
  if (pid == 0 || !entry.is_regular_file(ec) || entry.is_symlink(ec) || stillRunning(pid)) {
    return false;
  }
  return fs::remove(entry.path(), ec);
}

}  // namespace

FileSteps& FileSteps::system() {
  static FileSteps steps;
  return steps;
}

int FileSteps::createNew(const fs::path& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

bool FileSteps::write(int fd, std::string_view data) {
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

bool FileSteps::copyModeAndOwner(int fd, const fs::path& from) {
  struct stat old {};
  return ::stat(from.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) == 0 &&
         (::fchown(fd, old.st_uid, old.st_gid) == 0 || errno == EPERM);
}

bool FileSteps::sync(int fd) { return ::fsync(fd) == 0; }

bool FileSteps::close(int fd) { return ::close(fd) == 0; }

bool FileSteps::rename(const fs::path& from, const fs::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool FileSteps::renameNoReplace(const fs::path& from, const fs::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return false;
  }
  // A file system without that kind of rename: a hard link, too, fails on a name in use.
  if (::link(from.c_str(), to.c_str()) != 0) {
    return false;
  }
  ::unlink(from.c_str());
  return true;
}

void FileSteps::remove(const fs::path& path) { ::unlink(path.c_str()); }

bool FileSteps::syncFileSystem(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  const bool ok = ::syncfs(fd) == 0;
  ::close(fd);
  return ok;
}

void FileSteps::syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return;
  }
  ::fsync(fd);
  ::close(fd);
}

AtomicFile::AtomicFile(fs::path path, FileSteps& steps) : path_(std::move(path)), steps_(steps) {}

bool AtomicFile::replace(std::string_view text) const {
  fs::path target;
  if (!landingFile(path_, target)) {
    return false;
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
  fs::path temp;
  if (!writeTempBeside(steps_, target, text, exists ? target : fs::path(), temp)) {
    return false;
  }
  if (!steps_.rename(temp, target)) {
    steps_.remove(temp);
    return false;
  }
  steps_.syncFolder(target.parent_path());
  return true;
}

bool AtomicFile::create(std::string_view text) const {
  fs::path temp;
  if (!writeTempBeside(steps_, path_, text, fs::path(), temp)) {
    return false;
  }
  if (!steps_.renameNoReplace(temp, path_)) {
    steps_.remove(temp);
    return false;
  }
  steps_.syncFolder(path_.parent_path());
  return true;
}

std::vector<bool> AtomicFile::createAll(const std::vector<NewFile>& files, FileSteps& steps) {
  std::vector<fs::path> temps(files.size());
  std::vector<bool> written(files.size(), false);
  std::set<fs::path> folders;
  // One folder on each file system, to sync it by: one sync for many files and folders costs
  // far less than one for each.
  std::map<dev_t, fs::path> fileSystems;
  for (std::size_t i = 0; i < files.size(); ++i) {
    written[i] = writeTempBeside(steps, files[i].path, files[i].text, fs::path(), temps[i], false);
    const fs::path folder = files[i].path.parent_path();
    struct stat status {};
    if (written[i] && folders.insert(folder).second &&
        ::stat(folder.empty() ? "." : folder.c_str(), &status) == 0) {
      fileSystems.emplace(status.st_dev, folder);
    }
  }
  const auto syncAll = [&] {
    bool synced = true;
    for (const auto& [device, folder] : fileSystems) {
      synced = steps.syncFileSystem(folder) && synced;
    }
    return synced;
  };
  // Every file's text is on the disk before any of them takes its name.
  const bool synced = syncAll();
  std::vector<bool> created(files.size(), false);
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!written[i]) {
      continue;
    }
    created[i] = synced && steps.renameNoReplace(temps[i], files[i].path);
    if (!created[i]) {
      steps.remove(temps[i]);
    }
  }
  // And then the names.
  syncAll();
  return created;
}

bool AtomicFile::isTempName(const std::string& name) { return writerOf(name) != 0; }

int AtomicFile::removeLeftovers(const fs::path& folder, bool recursive) {
  int removed = 0;
  std::error_code ec;
  if (!recursive) {
    for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
      removed += removeIfLeftover(*it) ? 1 : 0;
    }
    return removed;
  }
  for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied,
                                           ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    removed += removeIfLeftover(*it) ? 1 : 0;
  }
  return removed;
}

unsigned AtomicFile::newFileMode() {
  // Read where it is kept: setting the umask to learn it would change it for every thread.
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, 6, "Umask:") == 0) {
      return 0666 & ~static_cast<unsigned>(std::stoul(line.substr(6), nullptr, 8));
    }
  }
  return 0644;
}

}  // namespace corvane
