#include "favorites/FavoriteName.h"

#include "base/AsciiText.h"
#include "favorites/InternetShortcut.h"

namespace corvane {

namespace {

const char kUntitled[] = "Untitled";

// Control characters as blanks, no blanks around, "Untitled" when nothing is left.
std::string cleaned(const std::string& name) {
  std::string out;
  out.reserve(name.size());
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    out += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
  const std::string_view trimmed = trimBlanks(out);
  return trimmed.empty() ? std::string(kUntitled) : std::string(trimmed);
}

// The bytes of the UTF-8 character that starts at text[at] (1 for a stray byte).
std::size_t characterBytes(const std::string& text, std::size_t at) {
  std::size_t n = 1;
  while (at + n < text.size() && n < 4 && (static_cast<unsigned char>(text[at + n]) & 0xC0) == 0x80)
    ++n;
  return n;
}

// The escaped form of a cleaned name, no longer than maxBytes.
std::string escaped(const std::string& clean, std::size_t maxBytes) {
  std::string stem;
  for (std::size_t i = 0; i < clean.size();) {
    const std::size_t n = characterBytes(clean, i);
    std::string piece = clean.substr(i, n);
    if (piece == "%") {
      piece = "%25";
    } else if (piece == "/") {
      piece = "%2F";
    } else if (piece == "." && (i == 0 || InternetShortcut::ExtensionAt(clean.substr(i, 4)) == 0)) {
      piece = "%2E";
    }
    if (stem.size() + piece.size() > maxBytes) break;
    stem += piece;
    i += n;
  }
  // A cut may leave a blank at the end, where the name as typed had none.
  stem = std::string(trimBlanksEnd(stem));
  return stem.empty() ? std::string(kUntitled) : stem;
}

// The character of the escape "%" text[at] text[at + 1]: one of 25, 2E, 2F (either case), or NUL.
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

// The first `length` bytes of fileName with the escapes undone.
std::string decoded(const std::string& fileName, std::size_t length) {
  std::string shown;
  shown.reserve(length);
  for (std::size_t i = 0; i < length; ++i) {
    const char c = i + 2 < length && fileName[i] == '%' ? unescaped(fileName, i + 1) : '\0';
    if (c != '\0') {
      shown += c;
      i += 2;
    } else {
      shown += fileName[i];
    }
  }
  return shown;
}

std::size_t room(const std::string& ending, const std::string& suffix) {
  const std::size_t taken = ending.size() + suffix.size();
  return taken < FavoriteName::kMaxFileNameBytes ? FavoriteName::kMaxFileNameBytes - taken : 0;
}

}  // namespace

std::string FavoriteName::FileName(const std::string& name, const std::string& ending,
                                   const std::string& suffix) {
  return escaped(cleaned(name), room(ending, suffix)) + suffix + ending;
}

std::string FavoriteName::FolderName(const std::string& fileName) {
  return decoded(fileName, fileName.size());
}

std::optional<std::string> FavoriteName::ShortcutName(const std::string& fileName) {
  const std::size_t at = InternetShortcut::ExtensionAt(fileName);
  if (at == std::string::npos) return std::nullopt;
  return decoded(fileName, at);
}

std::string FavoriteName::Kept(const std::string& name, const std::string& ending) {
  return FolderName(escaped(cleaned(name), room(ending, "")));
}

bool FavoriteName::Shortened(const std::string& name, const std::string& ending) {
  return Kept(name, ending).size() < cleaned(name).size();
}

}  // namespace corvane
