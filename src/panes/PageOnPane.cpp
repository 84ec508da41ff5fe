#include "panes/PageOnPane.h"

#include <utility>

#include "base/Guarded.h"

namespace corvane {

namespace {

template <typename Value, typename Read>
std::optional<Value> readOf(Read&& read) {
  std::optional<Value> value;
  guarded([&] { value = read(); });
  return value;
}

}  // namespace

PageOnPane PageOnPane::TakeFrom(PaneController& controller) {
  Pane& pane = controller.pane();
  PageOnPane page;
  page.text = readOf<std::string>([&] { return pane.cboAddress.Text(); });
  page.caption = readOf<std::string>([&] { return pane.Label.Caption(); });
  page.progress = readOf<float>([&] { return pane.ProgressBar.Value(); });
  page.polling = readOf<bool>([&] { return pane.timTimer.Enabled(); });
  page.buttons = controller.toolbar().buttons();
  page.File = std::move(pane.File);
  pane.File = FolderListing();
  page.PathName = pane.PathName;
  page.LocalFile = pane.LocalFile;
  return page;
}

void PageOnPane::GiveTo(PaneController& controller) && {
  Pane& pane = controller.pane();
  // Putting text into the box is no navigation, whatever the box reports meanwhile.
  const bool listUpdate = pane.ListUpdate;
  pane.ListUpdate = true;
  if (text) guarded([&] { pane.cboAddress.SetText(*text); });
  pane.ListUpdate = listUpdate;
  if (caption) pane.Label.Restore(*caption);
  if (progress) guarded([&] { pane.ProgressBar.SetValue(*progress); });
  if (polling) guarded([&] { pane.timTimer.SetEnabled(*polling); });
  // Folder view first: the buttons it owns are then shown as it left them.
  pane.File = std::move(File);
  pane.PathName = std::move(PathName);
  pane.LocalFile = LocalFile;
  controller.toolbar().setButtons(buttons);
}

}  // namespace corvane
