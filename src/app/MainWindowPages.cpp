#include "app/MainWindowPages.h"

#include <chrono>

#include "panes/PageMoves.h"

namespace corvane {

namespace {

std::filesystem::path inFolder(const std::filesystem::path& folder, const char* name) {
  // Without a data folder, a name alone would be a file in whatever folder the program runs in.
  return folder.empty() ? std::filesystem::path() : folder / name;
}

PaneId otherPane(PaneId pane) { return pane == PaneId::Top ? PaneId::Bottom : PaneId::Top; }

}  // namespace

MainWindowPages::MainWindowPages(MainWindow& window, const PanePlatform& top,
                                 const PanePlatform& bottom, const Platform& platform)
    : window_(window),
      settingsStore_(platform.settingsStore),
      appName_(platform.appName),
      top_(std::make_unique<PanePages>(window.pane(PaneId::Top), top.browser, top.views, top.tabs,
                                       platform.clock)),
      bottom_(std::make_unique<PanePages>(window.pane(PaneId::Bottom), bottom.browser, bottom.views,
                                          bottom.tabs, platform.clock)),
      lock_(inFolder(platform.dataFolder, kLockFile)),
      store_(inFolder(platform.dataFolder, kSessionFile)),
      session_(store_, lock_, platform.saveTimer, platform.strip, *top_, *bottom_),
      lifecycle_(platform.lifecycleTimer, platform.clock, *top_, *bottom_) {}

MainWindowPages::~MainWindowPages() = default;

InternetOptions MainWindowPages::options() const {
  return InternetOptions::Load(settingsStore_, appName_);
}

void MainWindowPages::Start() {
  OptionsChanged();
  session_.Start(options().openLastPages);
}

void MainWindowPages::OptionsChanged() {
  const InternetOptions chosen = options();
  top_->SetStripAlways(chosen.pageStripAlways);
  bottom_->SetStripAlways(chosen.pageStripAlways);
  lifecycle_.SetTimes({std::chrono::minutes(chosen.freezeAfterMinutes),
                       std::chrono::minutes(chosen.discardAfterMinutes)});
}

void MainWindowPages::Close() { session_.Close(); }

void MainWindowPages::ForgetHistory() { session_.ForgetHistory(); }

IPageView& MainWindowPages::OpenLinkedPage(PaneId from, const std::string& address, PageOpening how,
                                           PageLoad load) {
  return pages(window_.LinkedPageTarget(from)).OpenLinkedPage(address, how, load);
}

void MainWindowPages::tvw_NodeMiddleClick(const TreeNode& node) {
  const std::string address = node.Tag;
  if (const std::optional<PaneId> pane = window_.favorites().AskPaneFor(node)) {
    pages(*pane).OpenLinkedPage(address, PageOpening::Behind);
  }
}

void MainWindowPages::MovePageToOtherPane(PaneId from, int index, std::optional<int> at) {
  corvane::MovePageToOtherPane(pages(from), index, pages(otherPane(from)), at);
}

}  // namespace corvane
