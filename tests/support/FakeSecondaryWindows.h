#pragma once

#include <string>
#include <vector>

#include "platform/ISecondaryWindows.h"

namespace corvane {

// Records which secondary windows were asked to open or close, in order.
class FakeSecondaryWindows : public ISecondaryWindows {
 public:
  void ShowTipWindow() override { calls_.push_back("ShowTipWindow"); }
  void ShowAboutBox() override { calls_.push_back("ShowAboutBox"); }
  void ShowInternetOptions() override { calls_.push_back("ShowInternetOptions"); }
  void CloseTipWindow() override { calls_.push_back("CloseTipWindow"); }
  void CloseAboutBox() override { calls_.push_back("CloseAboutBox"); }
  void CloseInternetOptions() override { calls_.push_back("CloseInternetOptions"); }

  const std::vector<std::string>& calls() const { return calls_; }
  void clear() { calls_.clear(); }

 private:
  std::vector<std::string> calls_;
};

}  // namespace corvane
