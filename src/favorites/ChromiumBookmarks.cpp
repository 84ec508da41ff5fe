#include "favorites/ChromiumBookmarks.h"

#include "favorites/JsonValue.h"

namespace corvane {

namespace {

// Each level of bookmark folders is two levels of JSON: the node and its "children" array.
constexpr int kJsonDepth = 2 * ChromiumBookmarks::kMaxDepth + 8;

void readChildren(const JsonValue& node, Bookmark& into) {
  const JsonValue* children = node.member("children");
  if (!children || children->kind != JsonValue::Kind::Array) return;
  for (const JsonValue& child : children->items) {
    const std::string type = child.string("type");
    if (type == "url") {
      into.children.push_back(Bookmark::Link(child.string("name"), child.string("url")));
    } else if (type == "folder") {
      Bookmark folder = Bookmark::Folder(child.string("name"));
      readChildren(child, folder);
      into.children.push_back(std::move(folder));
    }
  }
}

}  // namespace

Bookmark ChromiumBookmarks::Parse(const std::string& json) {
  const JsonValue document = JsonValue::Parse(json, kJsonDepth);
  const JsonValue* roots = document.member("roots");
  if (!roots || roots->kind != JsonValue::Kind::Object) {
    throw std::runtime_error("no bookmark roots");
  }
  Bookmark root = Bookmark::Folder("");
  for (const auto& [key, node] : roots->members) {
    if (node.kind != JsonValue::Kind::Object || node.string("type") != "folder") continue;
    Bookmark folder = Bookmark::Folder(node.string("name"));
    readChildren(node, folder);
    if (!folder.children.empty()) root.children.push_back(std::move(folder));
  }
  return root;
}

}  // namespace corvane
