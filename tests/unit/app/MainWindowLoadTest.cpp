#include "app/MainWindowLoad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "FakeAddressBox.h"

namespace corvane {
namespace {

// Records each step the load asks of the window; a named step can be made to fail.
class RecordingWindow : public IMainWindowLoadSteps {
 public:
  std::vector<std::string> calls;
  std::string failing;
  FakeAddressBox top;
  FakeAddressBox bottom;
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
  IAddressBox& cboAddress(PaneId pane) override {
    return pane == PaneId::Top ? static_cast<IAddressBox&>(top) : bottom;
  }
  void cboAddress_Click(PaneId pane) override {
    const FakeAddressBox& box = pane == PaneId::Top ? top : bottom;
    step("cboAddress_Click" + name(pane) + ":" + box.Text());
  }
  void LoadTipWindow() override { step("LoadTipWindow"); }

 private:
  static std::string name(PaneId pane) { return pane == PaneId::Top ? "1" : "2"; }
  void step(const std::string& call) {
    calls.push_back(call);
    if (call.rfind(failing, 0) == 0 && !failing.empty()) throw std::runtime_error(call);
  }
};

HomePages homes() {
  return {"http://top.example/", "http://top.example/newsandsearch.html", "/opt/cv/cv.html",
          "/opt/cv/CVguide.html"};
}

const std::vector<std::string> kFullOrder = {
    "MakeToolbarsFlat",   "ReadSystemFolders", "InitLayout",
    "DisableBackForward1", "DisableBackForward2", "Show",
    "RepaintToolbar1",    "RepaintToolbar2",   "cboAddress_Click1:/opt/cv/cv.html",
    "cboAddress_Click2:/opt/cv/CVguide.html", "LoadTipWindow"};

TEST(MainWindowLoad, RunsEveryStepInOrderAndOpensTheOfflineHomes) {
  RecordingWindow window;
  const HomePages h = homes();
  MainWindowLoad load(window, h);
  load.Form_Load();

  EXPECT_EQ(window.calls, kFullOrder);
  // Each list offers both online homes, the pane's own first.
  EXPECT_EQ(window.top.entries(),
            (std::vector<std::string>{h.StartingAddress1, h.StartingAddress2}));
  EXPECT_EQ(window.bottom.entries(),
            (std::vector<std::string>{h.StartingAddress2, h.StartingAddress1}));
  EXPECT_EQ(window.systemFolderSeen, std::string(512, '\0'));
}

TEST(MainWindowLoad, AFailingStepIsSkippedAndTheRestStillRuns) {
  for (const std::string failing : {"MakeToolbarsFlat", "InitLayout", "Show", "cboAddress_Click1",
                                    "DisableBackForward1"}) {
    RecordingWindow window;
    window.failing = failing;
    const HomePages h = homes();
    MainWindowLoad load(window, h);
    load.Form_Load();
    SCOPED_TRACE(failing);
    EXPECT_EQ(window.calls.back(), "LoadTipWindow");
    // The failing call itself was made, and every later one still was.
    EXPECT_EQ(window.calls, kFullOrder);
  }
  // The bottom pane still navigates when the top pane's navigation fails.
  RecordingWindow window;
  window.failing = "cboAddress_Click1";
  const HomePages h = homes();
  MainWindowLoad(window, h).Form_Load();
  EXPECT_NE(std::find(window.calls.begin(), window.calls.end(),
                      "cboAddress_Click2:/opt/cv/CVguide.html"),
            window.calls.end());
}

TEST(MainWindowLoad, AnEmptyTopOnlineHomeSkipsTheNavigationStep) {
  RecordingWindow window;
  HomePages h = homes();
  h.StartingAddress1.clear();
  MainWindowLoad(window, h).Form_Load();
  EXPECT_EQ(window.top.ListCount(), 0);
  EXPECT_EQ(window.bottom.ListCount(), 0);
  for (const std::string& call : window.calls) EXPECT_EQ(call.find("cboAddress_Click"), std::string::npos);
  EXPECT_EQ(window.calls.back(), "LoadTipWindow");
}

}  // namespace
}  // namespace corvane
