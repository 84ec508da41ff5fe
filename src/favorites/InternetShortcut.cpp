#include "favorites/InternetShortcut.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "base/AsciiText.h"
#include "base/ProfileFile.h"

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

// The character of the escape at text[at], text[at + 1] (one of 25, 2E, 2F, either case), or NUL.
char unescaped(const std::string& text, std::size_t at) {
  if (text[at] != '2') return '\0';
  switch (asciiLower(text[at + 1])) {
    case '5':
      return '%';
    case 'e':
      return '.';
    case 'f':
      return '/';
    default:
      return '\0';
  }
}

// Control characters as blanks, and no blanks around.
std::string cleaned(const std::string& name) {
  std::string out;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    out += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
  const std::size_t begin = out.find_first_not_of(" \t");
  if (begin == std::string::npos) return "";
  return out.substr(begin, out.find_last_not_of(" \t") - begin + 1);
}

// The bytes of the UTF-8 character that starts at text[at] (1 for a stray byte).
std::size_t characterBytes(const std::string& text, std::size_t at) {
  std::size_t n = 1;
  while (at + n < text.size() && n < 4 && (static_cast<unsigned char>(text[at + n]) & 0xC0) == 0x80)
    ++n;
  return n;
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

std::optional<std::string> InternetShortcut::DisplayName(const std::string& fileName) {
  const std::size_t at = ExtensionAt(fileName);
  if (at == std::string::npos) return std::nullopt;
  std::string shown;
  for (std::size_t i = 0; i < at; ++i) {
    const char escaped = i + 2 < at && fileName[i] == '%' ? unescaped(fileName, i + 1) : '\0';
    if (escaped != '\0') {
      shown += escaped;
      i += 2;
    } else {
      shown += fileName[i];
    }
  }
  return shown;
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

std::string InternetShortcut::SafeFileName(const std::string& name) {
  std::string safe;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/') {
      safe += '-';
    } else if (byte < 0x20 || byte == 0x7F) {
      safe += ' ';
    } else {
      safe += c;
    }
  }
  const auto trim = [](std::string& s) {
    std::size_t begin = 0;
    while (begin < s.size() && isBlank(s[begin])) ++begin;
    std::size_t end = s.size();
    while (end > begin && isBlank(s[end - 1])) --end;
    s = s.substr(begin, end - begin);
  };
  trim(safe);
  safe = ProfileFile::cutToBytes(safe, kMaxNameBytes);
  trim(safe);
  if (safe.empty() || safe.find_first_not_of('.') == std::string::npos) return "Untitled";
  return safe;
}

std::string InternetShortcut::FileStem(const std::string& name, std::size_t maxBytes) {
  std::string clean = cleaned(name);
  if (clean.empty()) clean = "Untitled";
  std::string stem;
  for (std::size_t i = 0; i < clean.size();) {
    const std::size_t n = characterBytes(clean, i);
    std::string piece = clean.substr(i, n);
    if (piece == "%") {
      piece = "%25";
    } else if (piece == "/") {
      piece = "%2F";
    } else if (piece == "." && (i == 0 || ExtensionAt(clean.substr(i, 4)) == 0)) {
      piece = "%2E";
    }
    if (stem.size() + piece.size() > maxBytes) break;
    stem += piece;
    i += n;
  }
  // A cut may leave a blank at the end, which the name as typed did not have there.
  while (!stem.empty() && isBlank(stem.back())) stem.pop_back();
  return stem.empty() ? "Untitled" : stem;
}

std::string InternetShortcut::FileNameFor(const std::string& name) {
  return FileStem(name) + ".url";
}

std::string InternetShortcut::ShownName(const std::string& name) {
  return DisplayName(FileNameFor(name)).value_or("");
}

}  // namespace corvane
