// libFuzzer target for the Firefox places reader: each input is a places.sqlite file. A file
// the reader refuses is refused with a BookmarksError and nothing else, and what it reads holds
// no folder deeper than the limit. The reader works on a copy in a temp folder of its own, which
// is gone afterwards.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "BookmarksFuzz.h"
#include "favorites/BookmarksError.h"
#include "favorites/FirefoxPlaces.h"

using corvane::Bookmark;
using corvane::BookmarksError;
using corvane::FirefoxPlaces;

namespace fs = std::filesystem;

namespace {

// One file for the whole run, rewritten for each input, in a folder removed at the end.
class InputFile {
 public:
  InputFile() {
    std::string pattern = (fs::temp_directory_path() / "places-fuzz-XXXXXX").string();
    fuzz::check(::mkdtemp(pattern.data()) != nullptr, "no temp folder");
    folder_ = pattern;
  }
  ~InputFile() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }
  fs::path path() const { return folder_ / "places.sqlite"; }

 private:
  fs::path folder_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const InputFile input;
  {
    std::ofstream out(input.path(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  Bookmark read;
  try {
    read = FirefoxPlaces::Read(input.path());
  } catch (const BookmarksError&) {
    return 0;
  }
  fuzz::check(read.folder && read.title.empty(), "the root is no folder");
  // The toolbar and the other roots are one level of folders themselves.
  fuzz::check(fuzz::depthOf(read) <= FirefoxPlaces::kMaxDepth, "folders nested too deeply");
  return 0;
}
