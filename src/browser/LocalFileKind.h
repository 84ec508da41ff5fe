#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// What a pane does with a local file it is sent to. The engine shows web pages, pictures, sound,
// video, PDF and plain text by their names, and offers any other file as a download, which for a
// file already on this computer makes no sense. So a file whose name the engine does not show
// is looked at: text is shown as text, and anything else gets a page naming the file with a
// button that opens it in the desktop's application for it.
struct LocalFileKind {
  enum class Kind {
    // The engine shows it as it is: its type, a folder, or a missing or unreadable file (the
    // engine's own page says so).
    Engine,
    // Text to show as plain text, in `charset`.
    Text,
    // Text too long to hand the engine as one piece.
    LargeText,
    // Anything else: offered to the desktop's application.
    Other,
  };

  Kind kind = Kind::Engine;
  // "utf-8", or "windows-1252" for single-byte text that is not UTF-8.
  std::string charset;
  std::uintmax_t size = 0;

  // Looks at the file's name and, where that does not decide, its first few kilobytes.
  static LocalFileKind of(const std::string& path);
  // The longest text shown as a page, in bytes.
  static constexpr std::uintmax_t kMaxTextBytes = 1400 * 1024;
};

}  // namespace corvane
