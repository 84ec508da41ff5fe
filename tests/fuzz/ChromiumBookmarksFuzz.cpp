// libFuzzer target for the Chromium bookmarks reader, on file text in memory. Each input is
// read; a reader that refuses it says why with a BookmarksError and nothing else. What it reads
// holds no folder deeper than the limit, and the same bookmarks written as a Chromium file read
// back as they were.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "BookmarksFuzz.h"
#include "favorites/BookmarksError.h"
#include "favorites/ChromiumBookmarks.h"

using corvane::Bookmark;
using corvane::BookmarksError;
using corvane::ChromiumBookmarks;

namespace {

nlohmann::json node(const Bookmark& bookmark) {
  nlohmann::json json = {{"name", bookmark.title}};
  if (!bookmark.folder) {
    json["type"] = "url";
    json["url"] = bookmark.address;
    return json;
  }
  json["type"] = "folder";
  json["children"] = nlohmann::json::array();
  for (const Bookmark& child : bookmark.children) json["children"].push_back(node(child));
  return json;
}

// The bookmarks as a Chromium file: each folder of root's a root of the file.
std::string written(const Bookmark& root) {
  nlohmann::json roots = nlohmann::json::object();
  for (std::size_t i = 0; i < root.children.size(); ++i) {
    roots["root" + std::to_string(i)] = node(root.children[i]);
  }
  return nlohmann::json{{"roots", roots}, {"version", 1}}.dump();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Bookmark read;
  try {
    read = ChromiumBookmarks::Parse(text);
  } catch (const BookmarksError&) {
    return 0;
  }
  fuzz::check(read.folder && read.title.empty(), "the root is no folder");
  for (const Bookmark& top : read.children) {
    fuzz::check(top.folder && !top.children.empty(), "a root without bookmarks was kept");
  }
  // The roots are one level of folders themselves.
  fuzz::check(fuzz::depthOf(read) <= ChromiumBookmarks::kMaxDepth, "folders nested too deeply");
  Bookmark again;
  try {
    again = ChromiumBookmarks::Parse(written(read));
  } catch (const BookmarksError&) {
    fuzz::check(false, "what was written is refused");
  }
  fuzz::check(fuzz::same(read, again), "what was written reads back otherwise");
  return 0;
}
