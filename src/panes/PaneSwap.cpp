#include "panes/PaneSwap.h"

#include <string>
#include <utility>
#include <vector>

#include "base/Guarded.h"

namespace corvane {

namespace {

struct AddressState {
  std::string text;
  std::vector<std::string> list;
};

AddressState readAddress(const IAddressBox& box) {
  AddressState state;
  guarded([&] { state.text = box.Text(); });
  guarded([&] {
    const int count = box.ListCount();
    for (int i = 0; i < count; ++i) state.list.push_back(box.List(i));
  });
  return state;
}

void writeAddress(IAddressBox& box, const AddressState& state) {
  guarded([&] {
    for (int i = box.ListCount() - 1; i >= 0; --i) box.RemoveItem(i);
  });
  for (const std::string& entry : state.list) guarded([&] { box.AddItem(entry); });
  guarded([&] { box.SetText(state.text); });
}

template <typename Control, typename Value>
void swapValues(Control& a, Control& b, Value (Control::*get)() const,
                void (Control::*set)(Value)) {
  Value first{};
  Value second{};
  if (!guarded([&] { first = (a.*get)(); }) || !guarded([&] { second = (b.*get)(); })) return;
  guarded([&] { (a.*set)(second); });
  guarded([&] { (b.*set)(first); });
}

}  // namespace

void SwapPaneState(PaneController& a, PaneController& b) {
  Pane& p = a.pane();
  Pane& q = b.pane();
  // Rewriting a list is no navigation, whatever the box reports meanwhile.
  p.ListUpdate = q.ListUpdate = true;
  const AddressState addressP = readAddress(p.cboAddress);
  const AddressState addressQ = readAddress(q.cboAddress);
  writeAddress(p.cboAddress, addressQ);
  writeAddress(q.cboAddress, addressP);
  p.ListUpdate = q.ListUpdate = false;

  std::string captionP;
  std::string captionQ;
  if (guarded([&] { captionP = p.Label.Caption(); }) &&
      guarded([&] { captionQ = q.Label.Caption(); })) {
    p.Label.Restore(captionQ);
    q.Label.Restore(captionP);
  }
  swapValues<IProgressBar, float>(p.ProgressBar, q.ProgressBar, &IProgressBar::Value,
                                  &IProgressBar::SetValue);
  swapValues<ITimer, bool>(p.timTimer, q.timTimer, &ITimer::Enabled, &ITimer::SetEnabled);

  // Folder view shows a file of the folder in the page, so it goes where the page goes.
  std::swap(p.File, q.File);
  std::swap(p.PathName, q.PathName);
  std::swap(p.LocalFile, q.LocalFile);
  a.toolbar().SwapWith(b.toolbar());
}

}  // namespace corvane
