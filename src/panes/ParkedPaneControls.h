#pragma once

#include <functional>
#include <string>

#include "platform/IAddressBox.h"
#include "platform/IProgressBar.h"
#include "platform/IStatusLine.h"
#include "platform/ITimer.h"
#include "platform/IToolbar.h"

namespace corvane {

// What a page that its pane does not show keeps of the pane's controls, held in memory: the
// address box's text, the status line, the progress bar, the status poll and Back and Forward.
// The page's own events go on writing here by the pane's rules, and nobody sees them until the
// pane shows the page again. The list of earlier addresses and what screen readers hear are the
// pane's alone, so a hidden page keeps no list and says nothing; its status poll never ticks.
class ParkedPaneControls : public IAddressBox,
                           public IStatusLine,
                           public IProgressBar,
                           public ITimer,
                           public IToolbar {
 public:
  static constexpr float kProgressMax = 1000000.0f;

  // IAddressBox
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }
  int ListCount() const override { return 0; }
  std::string List(int) const override { return std::string(); }
  void AddItem(const std::string&, int) override {}
  void RemoveItem(int) override {}
  void SetListIndex(int) override {}

  // IStatusLine
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& text) override { caption_ = text; }
  void Announce(const std::string&) override {}

  // IProgressBar
  float Min() const override { return 0.0f; }
  float Max() const override { return kProgressMax; }
  float Value() const override { return progress_; }
  void SetValue(float value) override;

  // ITimer
  bool Enabled() const override { return polling_; }
  void SetEnabled(bool enabled) override { polling_ = enabled; }
  int Interval() const override { return 0; }
  void SetOnTick(std::function<void()>) override {}

  // IToolbar: only Back (1) and Forward (2), disabled until the page's history allows them.
  int ButtonCount() const override { return 2; }
  std::string ButtonKey(int position) const override;
  bool ButtonEnabled(int position) const override;
  void SetButtonEnabled(int position, bool enabled) override;
  void ToggleFlat() override {}
  void Refresh() override {}

 private:
  std::string text_;
  std::string caption_;
  float progress_ = 0.0f;
  bool polling_ = false;
  bool back_ = false;
  bool forward_ = false;
};

}  // namespace corvane
