#include "panes/PaneCommands.h"

#include <utility>

#include "base/Guarded.h"
#include "base/SharedTexts.h"

namespace corvane {

PaneCommands::PaneCommands(PaneController& controller, const mdlGen& settings,
                           IFileDialog& fileDialog, const std::string& siteBase,
                           std::function<void()> favoritesToggle)
    : controller_(controller),
      settings_(settings),
      chatPage_(siteBase + "/chat.html"),
      newsAndSearchPage_(siteBase + "/newsandsearch.html"),
      favoritesToggle_(std::move(favoritesToggle)),
      folderView_(controller.pane(), controller.navigation(), fileDialog) {}

void PaneCommands::ButtonClick(const std::string& key) {
  IBrowserControl& browser = pane().brwWebBrowser;
  // Compared in this order; the first match acts.
  if (key == "Fav") {
    guarded([&] {
      if (favoritesToggle_) favoritesToggle_();
    });
  } else if (key == "Chat") {
    ShowChat();
  } else if (key == "Back") {
    if (pane().LocalFile) {
      folderView_.StepFolder(FolderStep::Backward);
    } else {
      guarded([&] { browser.GoBack(); });
    }
  } else if (key == "Forward") {
    if (pane().LocalFile) {
      folderView_.StepFolder(FolderStep::Forward);
    } else {
      guarded([&] { browser.GoForward(); });
    }
  } else if (key == "Refresh") {
    guarded([&] { browser.Refresh(); });
  } else if (key == "Home") {
    Home(OnlineHomeSection());
  } else if (key == "Search") {
    ShowNewsAndSearch();
  } else if (key == "Stop") {
    stop();
  }
}

void PaneCommands::StopLoading() {
  Pane& p = pane();
  bool loading = false;
  guarded([&] { loading = p.brwWebBrowser.Busy(); });
  if (loading) {
    p.Label.LoadStopped([&p] { p.brwWebBrowser.Stop(); });
  } else {
    guarded([&] { p.brwWebBrowser.Stop(); });
  }
}

void PaneCommands::stop() {
  Pane& p = pane();
  StopLoading();
  guarded([&] { p.ProgressBar.SetValue(0.0f); });
  guarded([&] { p.Label.PageTitle(p.brwWebBrowser.LocationName()); });
}

void PaneCommands::Home(const std::string& section) {
  // A missing file or entry gives an empty address, which is passed on like any other.
  std::string address;
  guarded([&] { address = settings_.ReadSetting(section, 1); });
  goTo(address);
}

std::string PaneCommands::OnlineHomeSection() const {
  return controller_.pane().id == PaneId::Top ? kSectionTopOnline : kSectionBottomOnline;
}

std::string PaneCommands::OfflineHomeSection() const { return OnlineHomeSection() + "OffLine"; }

void PaneCommands::ShowChat() { goTo(chatPage_); }

void PaneCommands::ShowNewsAndSearch() { goTo(newsAndSearchPage_); }

void PaneCommands::goTo(const std::string& address) {
  guarded([&] { pane().cboAddress.SetText(address); });
  controller_.navigation().cboAddress_Click();
}

}  // namespace corvane
