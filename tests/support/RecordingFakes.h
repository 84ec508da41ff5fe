#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/IMousePointer.h"
#include "platform/IOrganizeFavoritesDialog.h"
#include "platform/ISecondaryWindows.h"
#include "platform/ISendKeys.h"
#include "platform/ITreeView.h"

namespace corvane {

// Fakes that do nothing but keep what they were asked, in order.

// The calls of a fake, each written down as text.
class CallLog {
 public:
  const std::vector<std::string>& calls() const { return calls_; }

 protected:
  void log(std::string call) { calls_.push_back(std::move(call)); }

 private:
  std::vector<std::string> calls_;
};

// "ShowTipWindow", "CloseAboutBox", ...: which secondary windows were asked to open or close.
class FakeSecondaryWindows : public ISecondaryWindows, public CallLog {
 public:
  void ShowTipWindow() override { log("ShowTipWindow"); }
  void ShowAboutBox() override { log("ShowAboutBox"); }
  void ShowInternetOptions() override { log("ShowInternetOptions"); }
  void CloseTipWindow() override { log("CloseTipWindow"); }
  void CloseAboutBox() override { log("CloseAboutBox"); }
  void CloseInternetOptions() override { log("CloseInternetOptions"); }
};

// Keystrokes that go nowhere, as "<keys>:wait" or "<keys>:nowait".
class FakeSendKeys : public ISendKeys, public CallLog {
 public:
  void SendKeys(const std::string& keys, bool wait) override {
    log(keys + (wait ? ":wait" : ":nowait"));
  }
};

// An Organize Favorites dialog that the user closes at once: the folder it got.
class FakeOrganizeFavoritesDialog : public IOrganizeFavoritesDialog, public CallLog {
 public:
  void DoOrganizeFavDlg(const std::string& folder) override { log(folder); }
};

// A mouse pointer that keeps each picture it was set to.
class FakeMousePointer : public IMousePointer {
 public:
  void SetMousePointer(MousePointer pointer) override { history_.push_back(pointer); }
  const std::vector<MousePointer>& history() const { return history_; }
  MousePointer current() const {
    return history_.empty() ? MousePointer::Default : history_.back();
  }

 private:
  std::vector<MousePointer> history_;
};

// A tree view that keeps the nodes it was last asked to show, how often it was asked, and the
// node selected last; its state is what the test says the user made of it.
class FakeTreeView : public ITreeView {
 public:
  void Show(const TreeNodes& nodes) override {
    shown_ = &nodes;
    ++shows_;
  }
  void SetFocus() override { ++focuses_; }
  TreeViewState State() const override { return state_; }
  void Select(const TreeNode& node) override { selected_ = &node; }

  void setState(TreeViewState state) { state_ = std::move(state); }
  const TreeNodes* shown() const { return shown_; }
  int shows() const { return shows_; }
  int focuses() const { return focuses_; }
  const TreeNode* selected() const { return selected_; }

 private:
  const TreeNodes* shown_ = nullptr;
  int shows_ = 0;
  int focuses_ = 0;
  TreeViewState state_;
  const TreeNode* selected_ = nullptr;
};

}  // namespace corvane
