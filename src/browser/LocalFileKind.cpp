#include "browser/LocalFileKind.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/AsciiText.h"

namespace corvane {

namespace {

namespace fs = std::filesystem;

// Endings the engine shows itself; by the last one only, as the engine reads them.
constexpr std::array<const char*, 37> kEngineShows = {
    "html", "htm",  "shtml", "xhtml", "xht",  "mht", "mhtml", "xml",  "svg", "txt",
    "text", "css",  "js",    "mjs",   "json", "png", "jpg",   "jpeg", "jpe", "jfif",
    "gif",  "webp", "bmp",   "ico",   "avif", "mp4", "m4v",   "webm", "ogv", "ogg",
    "oga",  "opus", "mp3",   "wav",   "flac", "m4a", "pdf"};

constexpr std::size_t kSniffBytes = 8192;

bool engineShowsName(const fs::path& path) {
  std::string ext = path.extension().string();
  if (ext.size() < 2) return false;
  ext = asciiLower(ext.substr(1));
  for (const char* shown : kEngineShows) {
    if (ext == shown) return true;
  }
  return false;
}

// Well-formed UTF-8, allowing a sequence cut off by the end of the sample.
bool isUtf8(const std::string& bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    int follow = 0;
    if (c < 0x80) {
      follow = 0;
    } else if (c >= 0xC2 && c <= 0xDF) {
      follow = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      follow = 2;
    } else if (c >= 0xF0 && c <= 0xF4) {
      follow = 3;
    } else {
      return false;
    }
    for (int k = 1; k <= follow; ++k) {
      if (i + k >= bytes.size()) return true;
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    i += follow + 1;
  }
  return true;
}

// Text has no NULs and few control characters besides tab, line breaks, form feed and escape.
bool looksLikeText(const std::string& bytes) {
  std::size_t controls = 0;
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == 0) return false;
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != 0x1B) ++controls;
  }
  return controls * 100 <= bytes.size();
}

}  // namespace

LocalFileKind LocalFileKind::of(const std::string& path) {
  LocalFileKind result;
  std::error_code ec;
  const fs::path file(path);
  if (!fs::is_regular_file(file, ec) || engineShowsName(file)) return result;
  result.size = fs::file_size(file, ec);
  if (ec) return result;
  std::ifstream in(file, std::ios::binary);
  if (!in) return result;
  std::string sample(kSniffBytes, '\0');
  in.read(sample.data(), static_cast<std::streamsize>(sample.size()));
  sample.resize(static_cast<std::size_t>(in.gcount()));

  if (!looksLikeText(sample)) {
    result.kind = Kind::Other;
    return result;
  }
  result.charset = isUtf8(sample) ? "utf-8" : "windows-1252";
  result.kind = result.size > kMaxTextBytes ? Kind::LargeText : Kind::Text;
  return result;
}

}  // namespace corvane
