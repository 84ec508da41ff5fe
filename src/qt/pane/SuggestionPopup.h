#pragma once

#include <QListWidget>

#include <vector>

#include "platform/Suggestion.h"

namespace corvane {

// The list that drops below an address box as the user types: a frameless window of its own
// that never takes the keyboard focus from the box, each entry's title above its address. A
// screen reader finds it as a list named after its box ("Top address suggestions").
class SuggestionPopup : public QListWidget {
  Q_OBJECT
 public:
  // box: the address box it drops below, which owns it; bounds: the widget it stays above the
  // foot of where it can (the box's page), so that it does not cover the other pane's controls.
  SuggestionPopup(QWidget* box, QWidget* bounds);

  // Shows the entries in order under the box, none highlighted.
  void showEntries(const std::vector<Suggestion>& entries);
  // Highlights an entry (0 first), brought into view; -1 highlights none.
  void highlight(int row);

 Q_SIGNALS:
  // An entry was clicked.
  void chosen(int row);

 private:
  void place();

  QWidget* box_;
  QWidget* bounds_;
};

}  // namespace corvane
