#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/IMessageBox.h"

namespace corvane {

// A message box that answers from a script and remembers every box it was asked to show. When
// the script runs out it answers the box's default (its first button).
class FakeMessageBox : public IMessageBox {
 public:
  struct Shown {
    std::string text;
    MsgBoxButtons buttons;
    MsgBoxIcon icon;
    std::string title;
  };

  MsgBoxResult MsgBox(const std::string& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                      const std::string& title) override {
    shown_.push_back({text, buttons, icon, title.empty() ? kProgramTitle : title});
    if (answers_.empty())
      return buttons == MsgBoxButtons::OK ? MsgBoxResult::OK : MsgBoxResult::Yes;
    const MsgBoxResult answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  // The answers to give, in order.
  void script(std::deque<MsgBoxResult> answers) { answers_ = std::move(answers); }
  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const Shown& s : shown_) out.push_back(s.text);
    return out;
  }

 private:
  std::deque<MsgBoxResult> answers_;
  std::vector<Shown> shown_;
};

}  // namespace corvane
