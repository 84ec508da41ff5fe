#include "qt/QtAddressBox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace corvane {

namespace {
QString toQ(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

QtAddressBox::QtAddressBox(QComboBox* combo) : QObject(combo), combo_(combo) {
  combo_->setEditable(true);
  // The list is the navigation history; typed text must never be inserted by the box itself,
  // and an address is sent exactly as typed, so no inline completion either.
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setCompleter(nullptr);
  combo_->setDuplicatesEnabled(true);
  combo_->setMaxCount(std::numeric_limits<int>::max());
  combo_->lineEdit()->installEventFilter(this);
  connect(combo_, qOverload<int>(&QComboBox::activated), this, [this](int) {
    if (onClick_) onClick_();
  });
}

std::string QtAddressBox::Text() const { return combo_->currentText().toStdString(); }

void QtAddressBox::SetText(const std::string& text) { combo_->setEditText(toQ(text)); }

int QtAddressBox::ListCount() const { return combo_->count(); }

std::string QtAddressBox::List(int index) const {
  if (index < 0 || index >= combo_->count()) return {};
  return combo_->itemText(index).toStdString();
}

void QtAddressBox::AddItem(const std::string& text, int index) {
  const QString typed = combo_->currentText();
  const QSignalBlocker block(combo_);
  if (index < 0 || index > combo_->count()) index = combo_->count();
  combo_->insertItem(index, toQ(text));
  combo_->setEditText(typed);
}

void QtAddressBox::RemoveItem(int index) {
  if (index < 0 || index >= combo_->count()) return;
  const QString typed = combo_->currentText();
  const QSignalBlocker block(combo_);
  combo_->removeItem(index);
  combo_->setEditText(typed);
}

void QtAddressBox::SetListIndex(int index) {
  if (index < -1 || index >= combo_->count()) return;
  combo_->setCurrentIndex(index);
}

bool QtAddressBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == combo_->lineEdit() && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (onKeyPress_) onKeyPress_(13);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace corvane
