#include "qt/MenuAdapter.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace corvane {

namespace {
QString toQ(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

MenuAdapter::MenuAdapter(QMenuBar* bar, const MenuBar& menus, OnClick onClick) : QObject(bar) {
  for (const Menu& table : menus.menus()) {
    QMenu* menu = bar->addMenu(toQ(table.caption));
    menu->setObjectName(toQ(table.name));
    // A screen reader is told the words, without mnemonic marks or designed blanks.
    menu->setAccessibleName(toQ(table.caption).remove(QLatin1Char('&')).trimmed());
    for (const MenuItem& item : table.items) {
      if (MenuBar::isSeparator(item)) {
        menu->addSeparator()->setObjectName(toQ(item.name));
        continue;
      }
      QAction* action = menu->addAction(toQ(item.caption));
      action->setObjectName(toQ(item.name));
      if (!item.shortcut.empty()) {
        const QKeySequence keys =
            QKeySequence::fromString(toQ(item.shortcut), QKeySequence::PortableText);
        action->setShortcut(keys);
        shortcuts_.append(keys);
      }
      if (item.checkable) {
        action->setCheckable(true);
        checkable_.insert(toQ(item.name), action);
      }
      const std::string menuName = table.name;
      const int index = item.index;
      connect(action, &QAction::triggered, this,
              [onClick, menuName, index] { onClick(menuName, index); });
    }
  }
  showChecks(menus);
}

void MenuAdapter::showChecks(const MenuBar& menus) {
  for (auto it = checkable_.cbegin(); it != checkable_.cend(); ++it) {
    it.value()->setChecked(menus.Checked(it.key().toStdString()));
  }
}

QList<QKeySequence> MenuAdapter::shortcuts() const { return shortcuts_; }

}  // namespace corvane
