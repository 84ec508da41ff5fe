#include "app/MainWindowLoad.h"

#include "base/Guarded.h"
#include "platform/IAddressBox.h"

namespace corvane {

namespace {
constexpr std::size_t kSystemFolderBufferSize = 512;
}

MainWindowLoad::MainWindowLoad(IMainWindowLoadSteps& window, const HomePages& homes)
    : window_(window), homes_(homes) {}

void MainWindowLoad::Form_Load() {
  guarded([&] { window_.MakeToolbarsFlat(); });
  guarded([&] {
    systemFolder_.assign(kSystemFolderBufferSize, '\0');
    window_.ReadSystemFolders(systemFolder_);
  });
  guarded([&] { window_.InitLayout(); });
  guarded([&] { window_.DisableBackForward(PaneId::Top); });
  guarded([&] { window_.DisableBackForward(PaneId::Bottom); });
  guarded([&] { window_.Show(); });
  guarded([&] { window_.RepaintToolbar(PaneId::Top); });
  guarded([&] { window_.RepaintToolbar(PaneId::Bottom); });
  guarded([&] { navigateToHomePages(); });
  guarded([&] { window_.LoadTipWindow(); });
}

void MainWindowLoad::navigateToHomePages() {
  if (homes_.StartingAddress1.empty()) return;
  // Each pane offers both online homes, its own first, then opens its offline home.
  guarded([&] { window_.cboAddress(PaneId::Top).AddItem(homes_.StartingAddress1); });
  guarded([&] { window_.cboAddress(PaneId::Top).AddItem(homes_.StartingAddress2); });
  guarded([&] { window_.cboAddress(PaneId::Bottom).AddItem(homes_.StartingAddress2); });
  guarded([&] { window_.cboAddress(PaneId::Bottom).AddItem(homes_.StartingAddress1); });
  guarded([&] { window_.cboAddress(PaneId::Top).SetText(homes_.StartingAddressOffLine1); });
  guarded([&] { window_.cboAddress_Click(PaneId::Top); });
  guarded([&] { window_.cboAddress(PaneId::Bottom).SetText(homes_.StartingAddressOffLine2); });
  guarded([&] { window_.cboAddress_Click(PaneId::Bottom); });
}

}  // namespace corvane
