#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "menus/MenuBar.h"

namespace corvane {

// Caption and shortcut of one item of an item array.
struct MenuArrayItem {
  const char* caption;
  const char* shortcut = "";
};

// The items of an item array: indexes from 0 in the order given, each named after the array and
// its index ("mnuFile(3)"), the name its toolkit item carries.
inline std::vector<MenuItem> MenuArray(const std::string& arrayName,
                                       std::initializer_list<MenuArrayItem> items) {
  std::vector<MenuItem> out;
  int index = 0;
  for (const MenuArrayItem& item : items) {
    out.push_back(
        {index, arrayName + "(" + std::to_string(index) + ")", item.caption, item.shortcut, false});
    ++index;
  }
  return out;
}

}  // namespace corvane
