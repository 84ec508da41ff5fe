#include "qt/window/MenuAdapter.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace corvane {

namespace {
QString toQ(const std::string& s) { return QString::fromStdString(s); }

// A menu opened from the keyboard highlights nothing until a key moves: with its first item
// highlighted, the first press of a letter that several items share would skip to the second.
// Qt highlights that item right after showing the menu, within the same event.
class NothingHighlightedOnOpen : public QObject {
 public:
  explicit NothingHighlightedOnOpen(QMenu* menu) : QObject(menu) {
    connect(menu, &QMenu::aboutToShow, this, [this] {
      opening_ = true;
      QTimer::singleShot(0, this, [this] { opening_ = false; });
    });
    connect(menu, &QMenu::hovered, this, [this, menu] {
      if (!opening_) return;
      opening_ = false;
      QMetaObject::invokeMethod(
          menu, [menu] { menu->setActiveAction(nullptr); }, Qt::QueuedConnection);
    });
  }

 private:
  bool opening_ = false;
};
}  // namespace

MenuAdapter::MenuAdapter(QMenuBar* bar, const MenuBar& menus, OnClick onClick) : QObject(bar) {
  for (const Menu& table : menus.menus()) {
    QMenu* menu = bar->addMenu(toQ(table.caption));
    menu->setObjectName(toQ(table.name));
    new NothingHighlightedOnOpen(menu);
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
