// libFuzzer target for the HTML bookmarks reader, on file text in memory. Each input is read;
// a reader that refuses it says why with a BookmarksError and nothing else. What it reads holds
// no folder deeper than the limit, and writing it out and reading that again gives the same
// bookmarks: the writer and the reader agree on every title and address they let through.
#include <cstddef>
#include <cstdint>
#include <string>

#include "BookmarksFuzz.h"
#include "favorites/BookmarksError.h"
#include "favorites/NetscapeBookmarks.h"

using corvane::Bookmark;
using corvane::BookmarksError;
using corvane::NetscapeBookmarks;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Bookmark read;
  try {
    read = NetscapeBookmarks::Parse(text);
  } catch (const BookmarksError&) {
    return 0;
  }
  fuzz::check(read.folder && read.title.empty(), "the root is no folder");
  fuzz::check(fuzz::depthOf(read) <= NetscapeBookmarks::kMaxDepth, "folders nested too deeply");
  Bookmark again;
  try {
    again = NetscapeBookmarks::Parse(NetscapeBookmarks::Write(read));
  } catch (const BookmarksError&) {
    fuzz::check(false, "what was written is refused");
  }
  fuzz::check(fuzz::same(read, again), "what was written reads back otherwise");
  return 0;
}
