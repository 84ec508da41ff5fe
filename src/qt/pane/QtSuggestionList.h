#pragma once

#include <QObject>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/ISuggestionList.h"

class QComboBox;
class QKeyEvent;
class QWidget;

namespace corvane {

class AddressSuggestions;
class SuggestionPopup;

// ISuggestionList over a pane's address box and the list that drops below it, and what the
// box's user does that the pane's suggestions are to know: the text typed (Backspace and Delete
// told apart), while the list is open its keys before anyone else has them (Up, Down, Enter,
// Esc, Shift+Delete: what the list leaves goes on to the box and the window), a click on an
// entry, and the list closed from outside when the box loses the focus (the box's own list of
// earlier addresses opening takes it), is hidden, or its window moves or changes size.
class QtSuggestionList : public QObject, public ISuggestionList {
  Q_OBJECT
 public:
  // box: the pane's editable address box, which owns this; bounds: what the list stays above the
  // foot of where it can (the pane's page).
  QtSuggestionList(QComboBox* box, QWidget* bounds);

  // From now on the box's typing and keys go to suggestions, which must outlive the box.
  void connectTo(AddressSuggestions& suggestions);

  // ISuggestionList
  void ShowList(const std::vector<Suggestion>& entries) override;
  void Highlight(int entry) override;
  void CloseList() override;
  void SetEditText(const std::string& text, std::size_t selectedFrom) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The open list's key: whether it used it.
  bool listKey(const QKeyEvent& key);
  void closedFromOutside();
  // Screen readers hear the entry highlighted, or the box again, as if it had the focus.
  void announce(int entry);
  bool isBox(const QObject* object) const;

  QComboBox* box_;
  SuggestionPopup* popup_;
  AddressSuggestions* suggestions_ = nullptr;
  // The key being typed takes text away (Backspace, Delete, Cut).
  bool deleting_ = false;
  // An entry has been announced since the list opened.
  bool announced_ = false;
};

}  // namespace corvane
