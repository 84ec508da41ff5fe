#include "app/MainWindowLoad.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FakeAddressBox.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

// Records each step the load asks of the window; the step named by failing throws.
class RecordingWindow : public IMainWindowLoadSteps {
 public:
  Strings calls;
  std::string failing;
  FakeAddressBox top, bottom;
  std::string systemFolderSeen;

  void MakeToolbarsFlat() override { step("MakeToolbarsFlat"); }
  void ReadSystemFolders(std::string& systemFolder) override {
    systemFolderSeen = systemFolder;
    step("ReadSystemFolders");
  }
  void InitLayout() override { step("InitLayout"); }
  void DisableBackForward(PaneId pane) override { step("DisableBackForward" + name(pane)); }
  void Show() override { step("Show"); }
  void RepaintToolbar(PaneId pane) override { step("RepaintToolbar" + name(pane)); }
  IAddressBox& cboAddress(PaneId pane) override { return pane == PaneId::Top ? top : bottom; }
  void cboAddress_Click(PaneId pane) override {
    step("Click" + name(pane) + ":" + cboAddress(pane).Text());
  }
  void LoadTipWindow() override { step("LoadTipWindow"); }

 private:
  static std::string name(PaneId pane) { return pane == PaneId::Top ? "1" : "2"; }
  void step(const std::string& call) {
    calls.push_back(call);
    if (call == failing) throw std::runtime_error(call);
  }
};

const HomePages kHomes = {"http://t.example/", "http://t.example/news.html", "/opt/cv/cv.html",
                          "/opt/cv/CVguide.html"};
const Strings kOrder = {"MakeToolbarsFlat",
                        "ReadSystemFolders",
                        "InitLayout",
                        "DisableBackForward1",
                        "DisableBackForward2",
                        "Show",
                        "RepaintToolbar1",
                        "RepaintToolbar2",
                        "Click1:/opt/cv/cv.html",
                        "Click2:/opt/cv/CVguide.html",
                        "LoadTipWindow"};

TEST(MainWindowLoad, RunsEveryStepInOrderEvenWhenOneFails) {
  RecordingWindow window;
  MainWindowLoad(window, kHomes).Form_Load();
  EXPECT_EQ(window.calls, kOrder);
  EXPECT_EQ(window.systemFolderSeen, std::string(512, '\0'));
  // Each list offers both online homes, the pane's own first.
  EXPECT_EQ(window.top.entries(), (Strings{kHomes.StartingAddress1, kHomes.StartingAddress2}));
  EXPECT_EQ(window.bottom.entries(), (Strings{kHomes.StartingAddress2, kHomes.StartingAddress1}));

  for (const std::string& failing : kOrder) {
    RecordingWindow failingWindow;
    failingWindow.failing = failing;
    MainWindowLoad(failingWindow, kHomes).Form_Load();
    EXPECT_EQ(failingWindow.calls, kOrder) << failing;
  }

  // An empty top online home skips the navigation step.
  RecordingWindow noHome;
  HomePages homes = kHomes;
  homes.StartingAddress1.clear();
  MainWindowLoad(noHome, homes).Form_Load();
  EXPECT_EQ(noHome.top.ListCount() + noHome.bottom.ListCount(), 0);
  Strings withoutClicks = kOrder;
  withoutClicks.erase(withoutClicks.begin() + 8, withoutClicks.begin() + 10);
  EXPECT_EQ(noHome.calls, withoutClicks);
}

}  // namespace
}  // namespace corvane
