#include "favorites/InternetShortcut.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "base/AsciiText.h"

namespace corvane {

namespace {

constexpr std::size_t kChunk = 4096;
const std::string kAddressPrefix = "URL=";

// Closes the descriptor on every way out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

[[noreturn]] void throwErrno() { throw std::system_error(errno, std::generic_category()); }

// Reads up to `want` bytes more into text; false at the end of the file.
bool readMore(int fd, std::string& text, std::size_t want) {
  const std::size_t old = text.size();
  text.resize(old + want);
  for (;;) {
    const ssize_t got = ::read(fd, &text[old], want);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throwErrno();
    text.resize(old + static_cast<std::size_t>(got));
    return got > 0;
  }
}

bool isAddressLine(const std::string& text, std::size_t begin, std::size_t end) {
  return end - begin >= kAddressPrefix.size() &&
         text.compare(begin, kAddressPrefix.size(), kAddressPrefix) == 0;
}

}  // namespace

std::size_t InternetShortcut::ExtensionAt(const std::string& fileName) {
  static const char kExtension[] = ".url";
  for (std::size_t i = 0; i + 4 <= fileName.size(); ++i) {
    std::size_t k = 0;
    while (k < 4 && asciiLower(fileName[i + k]) == kExtension[k]) ++k;
    if (k == 4) return i;
  }
  return std::string::npos;
}

std::string InternetShortcut::ReadAddress(const std::filesystem::path& file) {
  // Non-blocking, so that a pipe that slipped in between listing and opening can't hang us.
  const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) throwErrno();

  std::string text;
  std::size_t lineStart = 0;
  std::size_t scan = 0;
  bool atEnd = false;
  while (!atEnd) {
    const std::size_t room = kReadLimit - text.size();
    if (room == 0) {
      // One byte more tells a file of exactly the limit from a longer one.
      std::string probe;
      atEnd = !readMore(fd.get(), probe, 1);
      if (!atEnd) return {};
    } else {
      atEnd = !readMore(fd.get(), text, room < kChunk ? room : kChunk);
    }
    for (; scan < text.size(); ++scan) {
      const char c = text[scan];
      if (c != '\n' && c != '\r') continue;
      if (isAddressLine(text, lineStart, scan)) {
        return text.substr(lineStart + kAddressPrefix.size(),
                           scan - lineStart - kAddressPrefix.size());
      }
      lineStart = scan + 1;
    }
  }
  // The last line, which no line end closed.
  if (isAddressLine(text, lineStart, text.size())) {
    return text.substr(lineStart + kAddressPrefix.size());
  }
  return {};
}

std::string InternetShortcut::Text(const std::string& address) {
  std::string oneLine;
  for (char c : address) {
    if (c != '\r' && c != '\n') oneLine += c;
  }
  return "[InternetShortcut]\r\n" + kAddressPrefix + oneLine + "\r\n";
}

}  // namespace corvane
