#include "favorites/FavoritesCommands.h"

#include <algorithm>
#include <utility>

#include "base/Guarded.h"
#include "favorites/DirRecurse.h"

namespace corvane {

namespace {

const char kOpenInTop[] = "Do you want the Top Browser to open this?";
const char kOpenInBottom[] = "Do you want the Bottom Browser to open this?";
const char kAddTop[] = "Do you want to add Top Browser to Favorites?";
const char kAddBottom[] = "Do you want to add Bottom Browser to Favorites?";

}  // namespace

FavoritesCommands::FavoritesCommands(MenuBar& menus, Layout& layout, PaneController& top,
                                     PaneController& bottom, const FavoritesPlatform& platform,
                                     IMessageBox& messageBox, std::function<void()> layOut)
    : menus_(menus),
      layout_(layout),
      top_(top),
      bottom_(bottom),
      platform_(platform),
      messageBox_(messageBox),
      layOut_(std::move(layOut)),
      folder_(platform_.favoritesFolder),
      adder_(folder_, platform_.addFavoriteDialog, messageBox_) {}

void FavoritesCommands::mnuOptionsFav_Click() {
  guarded([&] {
    const bool wanted = !menus_.Checked(kViewFavorites);
    menus_.SetChecked(kViewFavorites, wanted);
    layout_.SetFavoritesShown(wanted);
    if (wanted && tvw_.Count() == 0) {
      platform_.mousePointer.SetMousePointer(MousePointer::Hourglass);
      DirRecurse(messageBox_).RecurseDirTV(tvw_, folder_.GetFavoritesFolder());
      suggested_.Take(tvw_);
      platform_.tvw.Show(tvw_);
    }
    layout_.SetFavoritesVisible(wanted);
  });
  guarded([&] { platform_.mousePointer.SetMousePointer(MousePointer::Default); });
  guarded([&] { layOut_(); });
  // What has just been shown is where the user works next.
  if (menus_.Checked(kViewFavorites)) guarded([&] { platform_.tvw.SetFocus(); });
}

void FavoritesCommands::cmdFavCloseX_Click() { mnuOptionsFav_Click(); }

void FavoritesCommands::cmdAddFav_Click() {
  const MsgBoxResult top = messageBox_.MsgBox(kAddTop, MsgBoxButtons::YesNoCancel, MsgBoxIcon::None,
                                              IMessageBox::kProgramTitle);
  if (top == MsgBoxResult::Cancel) return;
  if (top == MsgBoxResult::Yes) AddToFavorites(PaneId::Top);
  const MsgBoxResult bottom = messageBox_.MsgBox(kAddBottom, MsgBoxButtons::YesNoCancel,
                                                 MsgBoxIcon::None, IMessageBox::kProgramTitle);
  if (bottom == MsgBoxResult::Yes) AddToFavorites(PaneId::Bottom);
}

void FavoritesCommands::cmdOrganizeFav_Click() {
  guarded([&] {
    const std::string path = folder_.GetSpecialFolderPath(FavoritesFolder::kFavoritesFolderId);
    platform_.organizeFavoritesDialog.DoOrganizeFavDlg(path);
  });
  ReadSuggestedFavorites();
}

void FavoritesCommands::tvw_NodeClick(const TreeNode& node) {
  // Folders open and close by themselves; empty folders and broken shortcuts go nowhere.
  if (node.HasChildren() || node.Tag.empty()) return;
  const std::string address = node.Tag;
  const MsgBoxResult top = messageBox_.MsgBox(kOpenInTop, MsgBoxButtons::YesNoCancel,
                                              MsgBoxIcon::None, IMessageBox::kProgramTitle);
  if (top == MsgBoxResult::Yes) {
    openIn(top_, address);
    return;
  }
  if (top != MsgBoxResult::No) return;
  const MsgBoxResult bottom = messageBox_.MsgBox(kOpenInBottom, MsgBoxButtons::YesNoCancel,
                                                 MsgBoxIcon::None, IMessageBox::kProgramTitle);
  if (bottom == MsgBoxResult::Yes) openIn(bottom_, address);
}

void FavoritesCommands::openIn(PaneController& controller, const std::string& address) {
  Pane& pane = controller.pane();
  guarded([&] { pane.cboAddress.SetText(address); });
  controller.navigation().startStatusPoll();
  guarded([&] { pane.brwWebBrowser.Navigate(pane.cboAddress.Text()); });
  guarded([&] { pane.Label.GoingTo(pane.cboAddress.Text()); });
}

void FavoritesCommands::ShowNewFavorites() {
  if (!menus_.Checked(kViewFavorites)) {
    // The first showing builds the tree; a later one keeps what it has.
    tvw_.Clear();
    mnuOptionsFav_Click();
    return;
  }
  RefreshFavorites();
}

void FavoritesCommands::RefreshFavorites() {
  guarded([&] {
    const TreeViewState kept = platform_.tvw.State();
    platform_.mousePointer.SetMousePointer(MousePointer::Hourglass);
    // Built apart: what is shown points at the old nodes until the new ones are shown.
    TreeNodes fresh;
    DirRecurse(messageBox_).RecurseDirTV(fresh, folder_.GetFavoritesFolder());
    const TreeNode* selected = nullptr;
    for (int i = 1; i <= fresh.Count(); ++i) {
      TreeNode& node = fresh.Item(i);
      const std::string path = node.FullPath();
      if (node.HasChildren() &&
          std::find(kept.expanded.begin(), kept.expanded.end(), path) != kept.expanded.end()) {
        node.Expanded = true;
      }
      if (!selected && path == kept.selected) selected = &node;
    }
    tvw_ = std::move(fresh);
    suggested_.Take(tvw_);
    platform_.tvw.Show(tvw_);
    if (selected) platform_.tvw.Select(*selected);
  });
  guarded([&] { platform_.mousePointer.SetMousePointer(MousePointer::Default); });
}

void FavoritesCommands::AddToFavorites(PaneId id) {
  guarded([&] {
    IBrowserControl& browser = (id == PaneId::Top ? top_ : bottom_).pane().brwWebBrowser;
    const std::string address = browser.LocationURL();
    const std::string title = browser.LocationName();
    adder_.AddFavorite(address, title);
  });
  ReadSuggestedFavorites();
}

void FavoritesCommands::ReadSuggestedFavorites() {
  guarded([&] { suggested_.Read(platform_.favoritesFolder); });
}

}  // namespace corvane
