#include "qt/pane/QtAddressBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <limits>

namespace corvane {

namespace {
constexpr int16_t kEnter = 13;
constexpr int kLongestAddress = 2 * 1024 * 1024;

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
  // An edit field keeps 32,767 characters and drops the rest of a paste; an address may be as
  // long as the engine takes one.
  combo_->lineEdit()->setMaxLength(kLongestAddress);
  // A key pressed on the keyboard goes to the box, which hands it to its edit field directly,
  // past the field's filters; a key sent to the field itself arrives there. So both are watched,
  // and no key passes both.
  combo_->installEventFilter(this);
  combo_->lineEdit()->installEventFilter(this);
  // When an edit ends (Enter, or the focus leaving) the box would select an entry equal to the
  // typed text and report it as picked: leaving the box must not navigate, and Enter navigates
  // through its key alone.
  QObject::disconnect(combo_->lineEdit(), &QLineEdit::editingFinished, combo_, nullptr);
  connect(combo_, qOverload<int>(&QComboBox::activated), this, [this](int) {
    if (onClick_) onClick_();
  });
  // The edit field is what holds the focus; it answers to its box's name.
  combo_->lineEdit()->setAccessibleName(combo_->accessibleName());
  combo_->view()->setAccessibleName(combo_->accessibleName() + tr(" list"));
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
  if (event->type() == QEvent::KeyPress && (watched == combo_ || watched == combo_->lineEdit())) {
    return keyPress(*static_cast<QKeyEvent*>(event));
  }
  // The wheel over a closed box would step through the list and go there, as the arrows would.
  if (event->type() == QEvent::Wheel && watched == combo_) return true;
  return QObject::eventFilter(watched, event);
}

bool QtAddressBox::keyPress(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
    if (onKeyPress_) onKeyPress_(kEnter);
    return true;
  }
  // Arrows in the closed box would step through the list and go to each entry at once: a
  // keyboard user, or a screen reader's user reading the field again, would be sent away. Only a
  // pick from the open list (Alt+Down or F4) goes somewhere.
  const bool step = key.key() == Qt::Key_Up || key.key() == Qt::Key_Down ||
                    key.key() == Qt::Key_PageUp || key.key() == Qt::Key_PageDown;
  if (step && !(key.modifiers() & Qt::AltModifier)) return true;
  // Other keys without a character (Alt+Down for the list) go to the box unreported.
  if (onKeyPress_) {
    for (const QChar c : key.text()) onKeyPress_(static_cast<int16_t>(c.unicode()));
  }
  return false;
}

}  // namespace corvane
