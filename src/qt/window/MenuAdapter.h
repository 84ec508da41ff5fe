#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <string>

#include "menus/MenuBar.h"

class QAction;
class QMenuBar;

namespace corvane {

// Builds the real menus from the menu tables, once, and shows the tables' check marks. A chosen
// item calls back with its menu's name and its index; the adapter runs no rule of its own.
class MenuAdapter : public QObject {
  Q_OBJECT
 public:
  using OnClick = std::function<void(const std::string& menuName, int index)>;

  MenuAdapter(QMenuBar* bar, const MenuBar& menus, OnClick onClick);

  // Shows the check marks the tables hold now.
  void showChecks(const MenuBar& menus);

  // Every item's shortcut, for whoever must let them win over a focused widget's own keys.
  QList<QKeySequence> shortcuts() const;

 private:
  QHash<QString, QAction*> checkable_;
  QList<QKeySequence> shortcuts_;
};

}  // namespace corvane
