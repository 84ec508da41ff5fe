#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace corvane {

// One item of a menu, as the menu's table gives it.
struct MenuItem {
  // What the menu's click handler receives for this item.
  int index = 0;
  // The item's name; the toolkit's item carries it as objectName.
  std::string name;
  // With its & mnemonic; "-" is a separator line, which has no action.
  std::string caption;
  // Portable key text ("Ctrl+Q", "F1", "Shift+F3"); "" for none.
  std::string shortcut;
  bool checkable = false;
};

// Where each menu stands in the bar, left to right.
enum class MenuPosition { File, View, Edit, Browsers, Navigation, Favorites, Chat, Tools, Help };

// A menu of the menu bar: its items and the one handler they share.
struct Menu {
  MenuPosition position;
  std::string name;
  std::string caption;
  std::vector<MenuItem> items;
  std::function<void(int index)> onClick;
};

// The main window's menus, in the order they stand in the bar, and their items' check marks.
// Menus are data; a toolkit adapter builds the real menus from them and calls Click.
class MenuBar {
 public:
  // Puts a menu into the bar at its position, whatever order menus are added in.
  void Add(Menu menu);
  // The menus in bar order.
  const std::vector<Menu>& menus() const { return menus_; }

  bool Checked(const std::string& itemName) const;
  void SetChecked(const std::string& itemName, bool checked);

  // The user chose the item with this index: runs its menu's handler, unless the item is a
  // separator. An index that no item has is passed on too; handlers ignore what they don't know.
  void Click(const std::string& menuName, int index) const;

  static bool isSeparator(const MenuItem& item) { return item.caption == "-"; }

 private:
  std::vector<Menu> menus_;
  std::map<std::string, bool> checks_;
};

}  // namespace corvane
