#include "menus/MenuBar.h"

#include <algorithm>

namespace corvane {

void MenuBar::Add(Menu menu) {
  const auto after =
      std::upper_bound(menus_.begin(), menus_.end(), menu.position,
                       [](MenuPosition position, const Menu& m) { return position < m.position; });
  menus_.insert(after, std::move(menu));
}

bool MenuBar::Checked(const std::string& itemName) const {
  const auto it = checks_.find(itemName);
  return it != checks_.end() && it->second;
}

void MenuBar::SetChecked(const std::string& itemName, bool checked) { checks_[itemName] = checked; }

void MenuBar::Click(const std::string& menuName, int index) const {
  const auto menu =
      std::find_if(menus_.begin(), menus_.end(), [&](const Menu& m) { return m.name == menuName; });
  if (menu == menus_.end() || !menu->onClick) return;
  const auto item = std::find_if(menu->items.begin(), menu->items.end(),
                                 [&](const MenuItem& i) { return i.index == index; });
  if (item != menu->items.end() && isSeparator(*item)) return;
  menu->onClick(index);
}

}  // namespace corvane
