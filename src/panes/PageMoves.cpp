#include "panes/PageMoves.h"

#include <memory>
#include <utility>

namespace corvane {

PaneId PaneForLinkedPage(PaneId from, bool linksToOtherPane, bool otherShown) {
  if (!linksToOtherPane || !otherShown) return from;
  return from == PaneId::Top ? PaneId::Bottom : PaneId::Top;
}

void MovePageToOtherPane(PanePages& from, int index, PanePages& to, std::optional<int> at) {
  if (&from == &to) return;
  std::unique_ptr<PanePage> page = from.TakePage(index);
  if (page) to.InsertPage(std::move(page), at.value_or(to.Count()));
}

}  // namespace corvane
