#pragma once

#include <string>
#include <vector>

namespace corvane {

// A bookmark or a folder of them, as another browser's bookmarks file holds it.
struct Bookmark {
  std::string title;
  // The web address; empty for a folder.
  std::string address;
  bool folder = false;
  std::vector<Bookmark> children;

  static Bookmark Folder(std::string title) { return {std::move(title), "", true, {}}; }
  static Bookmark Link(std::string title, std::string address) {
    return {std::move(title), std::move(address), false, {}};
  }
};

}  // namespace corvane
