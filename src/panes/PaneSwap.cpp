#include "panes/PaneSwap.h"

#include <string>
#include <utility>
#include <vector>

#include "base/Guarded.h"
#include "panes/PageOnPane.h"

namespace corvane {

namespace {

std::vector<std::string> readList(const IAddressBox& box) {
  std::vector<std::string> list;
  guarded([&] {
    const int count = box.ListCount();
    for (int i = 0; i < count; ++i) list.push_back(box.List(i));
  });
  return list;
}

void writeList(IAddressBox& box, const std::vector<std::string>& list) {
  guarded([&] {
    for (int i = box.ListCount() - 1; i >= 0; --i) box.RemoveItem(i);
  });
  for (const std::string& entry : list) guarded([&] { box.AddItem(entry); });
}

}  // namespace

void SwapPaneState(PaneController& a, PaneController& b) {
  Pane& p = a.pane();
  Pane& q = b.pane();
  // Rewriting a list is no navigation, whatever the box reports meanwhile.
  p.ListUpdate = q.ListUpdate = true;
  const std::vector<std::string> listP = readList(p.cboAddress);
  const std::vector<std::string> listQ = readList(q.cboAddress);
  writeList(p.cboAddress, listQ);
  writeList(q.cboAddress, listP);
  p.ListUpdate = q.ListUpdate = false;

  // The rest goes with the pages, folder view included: it shows a file of the folder.
  PageOnPane pageP = PageOnPane::TakeFrom(a);
  PageOnPane pageQ = PageOnPane::TakeFrom(b);
  std::move(pageQ).GiveTo(a);
  std::move(pageP).GiveTo(b);
}

}  // namespace corvane
