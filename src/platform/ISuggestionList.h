#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Suggestion.h"

namespace corvane {

// The list of suggestions below one address box, and the box's text as the list sets it. An
// accessible list: a screen reader speaks its highlighted entry.
class ISuggestionList {
 public:
  ISuggestionList() = default;
  ISuggestionList(const ISuggestionList&) = delete;
  ISuggestionList& operator=(const ISuggestionList&) = delete;
  virtual ~ISuggestionList() = default;

  // Shows the list below the box with these entries, in order, none highlighted; the keyboard
  // focus stays in the box.
  virtual void ShowList(const std::vector<Suggestion>& entries) = 0;
  // Highlights an entry (0 first); -1 highlights none.
  virtual void Highlight(int entry) = 0;
  // Hides the list.
  virtual void CloseList() = 0;
  // Sets the box's text with the caret at its end and the text from selectedFrom on selected:
  // the part the box completed. Nothing is selected when selectedFrom is the text's length.
  virtual void SetEditText(const std::string& text, std::size_t selectedFrom) = 0;
};

}  // namespace corvane
