#include "favorites/ChromiumBookmarks.h"

#include <nlohmann/json.hpp>

#include "favorites/BookmarksError.h"

namespace corvane {

namespace {

using Json = nlohmann::json;

// A string member's value; "" when it is missing or not a string.
std::string text(const Json& node, const char* key) {
  const auto it = node.find(key);
  return it != node.end() && it->is_string() ? it->get<std::string>() : std::string();
}

// Adds node's bookmarks and folders to into; deeper than kMaxDepth, a folder's contents go into
// the deepest folder instead.
void readChildren(const Json& node, int depth, Bookmark& into) {
  const auto children = node.find("children");
  if (children == node.end() || !children->is_array()) return;
  for (const Json& child : *children) {
    if (!child.is_object()) continue;
    const std::string type = text(child, "type");
    if (type == "url") {
      into.children.push_back(Bookmark::Link(text(child, "name"), text(child, "url")));
    } else if (type == "folder" && depth >= ChromiumBookmarks::kMaxDepth) {
      readChildren(child, depth + 1, into);
    } else if (type == "folder") {
      Bookmark folder = Bookmark::Folder(text(child, "name"));
      readChildren(child, depth + 1, folder);
      into.children.push_back(std::move(folder));
    }
  }
}

Json parse(const std::string& json) {
  const auto limitDepth = [](int depth, Json::parse_event_t, Json&) {
    // depth counts the arrays and objects around the one that starts.
    if (depth >= ChromiumBookmarks::kMaxJsonDepth) {
      throw BookmarksError(BookmarksError::Kind::Damaged,
                           "it is nested more than " +
                               std::to_string(ChromiumBookmarks::kMaxJsonDepth) + " levels deep");
    }
    return true;
  };
  try {
    return Json::parse(json, limitDepth);
  } catch (const Json::parse_error& error) {
    throw BookmarksError(BookmarksError::Kind::Damaged,
                         "it is not valid JSON (at byte " + std::to_string(error.byte) + ")");
  } catch (const Json::exception&) {
    throw BookmarksError(BookmarksError::Kind::Damaged, "it is not valid JSON");
  }
}

}  // namespace

Bookmark ChromiumBookmarks::Parse(const std::string& json) {
  const Json document = parse(json);
  const auto roots = document.is_object() ? document.find("roots") : document.end();
  if (roots == document.end() || !roots->is_object()) {
    throw BookmarksError(BookmarksError::Kind::NotBookmarks, "it holds no bookmark roots");
  }
  Bookmark root = Bookmark::Folder("");
  for (const Json& node : *roots) {
    if (!node.is_object() || text(node, "type") != "folder") continue;
    Bookmark folder = Bookmark::Folder(text(node, "name"));
    readChildren(node, 1, folder);
    if (!folder.children.empty()) root.children.push_back(std::move(folder));
  }
  return root;
}

}  // namespace corvane
