#include "qt/pane/AccessibleAddressBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace corvane {

namespace {

// An editable combo box as a screen reader sees it: its children are its list and its edit
// field, its value is the address, and its action opens or closes the list.
class AccessibleAddressBox : public QAccessibleWidget {
 public:
  explicit AccessibleAddressBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return box()->currentText();
    return QAccessibleWidget::text(t);
  }

  int childCount() const override { return box()->lineEdit() ? 2 : 1; }

  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(box()->view());
    if (index == 1 && box()->lineEdit()) {
      return QAccessible::queryAccessibleInterface(box()->lineEdit());
    }
    return nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    if (child->object() == box()->view()) return 0;
    if (box()->lineEdit() && child->object() == box()->lineEdit()) return 1;
    return -1;
  }

  // The box is labelled by its "Address:" label wherever the label lies in the window; the
  // toolkit looks for labels among the box's siblings only.
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto found = QAccessibleWidget::relations(match);
    if (!(match & QAccessible::Labelled)) return found;
    for (QLabel* label : box()->window()->findChildren<QLabel*>()) {
      if (label->buddy() != box()) continue;
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
      const bool known = std::any_of(found.cbegin(), found.cend(),
                                     [iface](const auto& pair) { return pair.first == iface; });
      if (iface && !known) found.append({iface, QAccessible::Labelled});
    }
    return found;
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = box()->view()->isVisible();
    s.editable = box()->isEditable();
    return s;
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& actionName) override {
    if (actionName == showMenuAction() || actionName == pressAction()) {
      if (box()->view()->isVisible()) {
        box()->hidePopup();
      } else {
        box()->showPopup();
      }
      return;
    }
    QAccessibleWidget::doAction(actionName);
  }

 private:
  QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* addressBoxFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QComboBox") || !object) return nullptr;
  if (!object->objectName().startsWith(QLatin1String("cboAddress"))) return nullptr;
  return new AccessibleAddressBox(static_cast<QComboBox*>(object));
}

}  // namespace

void installAddressBoxAccessibility() {
  static const bool installed = (QAccessible::installFactory(addressBoxFactory), true);
  (void)installed;
}

}  // namespace corvane
