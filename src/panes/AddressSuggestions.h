#pragma once

#include <string>
#include <vector>

#include "history/History.h"
#include "panes/AddressSuggester.h"
#include "panes/Pane.h"
#include "panes/PaneNavigation.h"
#include "platform/IBrowserControl.h"
#include "platform/ISuggestionList.h"

namespace corvane {

// The list that drops below a pane's address box as the user types, and the box's inline
// completion. Typing never leaves the page: only Enter or a click on an entry goes somewhere,
// through the pane's navigation entry. The box's own list of earlier addresses is not this one.
//
// While the list is open, Up and Down move through it and show the highlighted entry's address
// in the box, Enter opens it (or, with none highlighted, the box's text, completion included),
// Esc closes the list and puts back what was typed, and Shift+Delete forgets a highlighted page
// of the history. Each key handler says whether it used the key; one it did not use is the
// box's.
class AddressSuggestions {
 public:
  AddressSuggestions(Pane& pane, PaneNavigation& navigation, ISuggestionList& view,
                     const AddressSuggester& suggester, const IBrowserControl& otherPane,
                     History& history);
  AddressSuggestions(const AddressSuggestions&) = delete;
  AddressSuggestions& operator=(const AddressSuggestions&) = delete;

  // The user changed the box's text by typing; deleting when by Backspace or Delete, which
  // take the completion away rather than have it come back.
  void Edited(const std::string& text, bool deleting);
  bool Down();
  bool Up();
  bool Enter();
  bool Escape();
  bool ShiftDelete();
  // A click on an entry.
  void Chosen(int entry);
  // The list was closed from outside (the box lost the focus, a click elsewhere).
  void Closed();

  bool IsOpen() const { return open_; }
  const std::vector<Suggestion>& Entries() const { return entries_; }
  int Highlighted() const { return highlighted_; }

 private:
  void highlight(int entry);
  void close();

  Pane& pane_;
  PaneNavigation& navigation_;
  ISuggestionList& view_;
  const AddressSuggester& suggester_;
  const IBrowserControl& otherPane_;
  History& history_;

  std::string typed_;
  std::vector<Suggestion> entries_;
  int highlighted_ = -1;
  bool open_ = false;
};

}  // namespace corvane
