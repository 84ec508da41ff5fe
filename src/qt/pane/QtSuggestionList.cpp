#include "qt/pane/QtSuggestionList.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

#include "base/Guarded.h"
#include "panes/AddressSuggestions.h"
#include "qt/pane/SuggestionPopup.h"
#include "qt/platform/AccessibleStateChange.h"

namespace corvane {

namespace {

bool takesTextAway(const QKeyEvent& key) {
  return key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete ||
         key.matches(QKeySequence::Cut);
}

}  // namespace

QtSuggestionList::QtSuggestionList(QComboBox* box, QWidget* bounds)
    : QObject(box), box_(box), popup_(new SuggestionPopup(box, bounds)) {
  // A key pressed goes to the box, or to its edit field; either may have the focus. Both, and the
  // box's window, are watched from the application: see ShowList.
  qApp->installEventFilter(this);
}

void QtSuggestionList::connectTo(AddressSuggestions& suggestions) {
  suggestions_ = &suggestions;
  connect(box_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    guarded([&] { suggestions_->Edited(text.toStdString(), deleting_); });
  });
  connect(popup_, &SuggestionPopup::chosen, this,
          [this](int entry) { guarded([&] { suggestions_->Chosen(entry); }); });
}

void QtSuggestionList::ShowList(const std::vector<Suggestion>& entries) {
  popup_->showEntries(entries);
  announced_ = false;
  // Put first again, so that the open list has its keys before the window's shortcuts (Esc would
  // stop a loading page) and the box's own handling of them.
  qApp->installEventFilter(this);
}

void QtSuggestionList::Highlight(int entry) {
  popup_->highlight(entry);
  announce(entry);
}

void QtSuggestionList::CloseList() {
  popup_->hide();
  // Back in the box, as the user is.
  if (announced_) announce(-1);
}

void QtSuggestionList::SetEditText(const std::string& text, std::size_t selectedFrom) {
  QLineEdit* edit = box_->lineEdit();
  const QString all = QString::fromStdString(text);
  const int from = QString::fromStdString(text.substr(0, selectedFrom)).size();
  edit->setText(all);
  if (from < all.size()) {
    // The caret at the end, the completed part selected: typing on replaces it.
    edit->setSelection(from, all.size() - from);
  } else {
    edit->setCursorPosition(all.size());
  }
}

bool QtSuggestionList::isBox(const QObject* object) const {
  return object == box_ || object == box_->lineEdit();
}

bool QtSuggestionList::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) && isBox(watched)) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyPress) deleting_ = takesTextAway(key);
    if (!popup_->isVisible() || !suggestions_) return false;
    if (type == QEvent::ShortcutOverride) {
      // The list's keys are the box's while it is open, before any shortcut of the window.
      const bool listsKey =
          key.key() == Qt::Key_Escape || key.key() == Qt::Key_Up || key.key() == Qt::Key_Down;
      if (listsKey) event->accept();
      return false;
    }
    return listKey(key);
  }
  const bool leaving = (type == QEvent::FocusOut || type == QEvent::Hide) && isBox(watched);
  const bool windowChanged =
      watched == box_->window() && (type == QEvent::Move || type == QEvent::Resize ||
                                    type == QEvent::Hide || type == QEvent::WindowDeactivate);
  if ((leaving || windowChanged) && popup_->isVisible()) closedFromOutside();
  return false;
}

bool QtSuggestionList::listKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  bool used = false;
  guarded([&] {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
      used = suggestions_->Enter();
    } else if (modifiers != Qt::NoModifier) {
      // Alt+Down opens the box's own list, which takes the focus and so closes this one;
      // Shift+Delete is the one other key with a modifier the list has.
      if (key.key() == Qt::Key_Delete && modifiers == Qt::ShiftModifier) {
        used = suggestions_->ShiftDelete();
      }
    } else if (key.key() == Qt::Key_Down) {
      used = suggestions_->Down();
    } else if (key.key() == Qt::Key_Up) {
      used = suggestions_->Up();
    } else if (key.key() == Qt::Key_Escape) {
      used = suggestions_->Escape();
    }
  });
  return used;
}

void QtSuggestionList::closedFromOutside() {
  popup_->hide();
  guarded([&] { suggestions_->Closed(); });
}

void QtSuggestionList::announce(int entry) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(box_->lineEdit());
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(popup_);
  announced_ = entry >= 0 && list;
  if (announced_) {
    sendAccessibleActiveDescendant(edit, list->child(entry));
  } else {
    // The box's own focus again: readers leave the entry they were on and read the box.
    QAccessibleEvent focus(box_->lineEdit(), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
}

}  // namespace corvane
