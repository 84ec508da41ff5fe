#pragma once

#include <string>
#include <vector>

#include "platform/IStatusLine.h"

namespace corvane {

// A status line that also remembers every caption it was given, in order.
class FakeStatusLine : public IStatusLine {
 public:
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& text) override {
    caption_ = text;
    history_.push_back(text);
  }

  void Announce(const std::string& text) override { announced_.push_back(text); }

  const std::vector<std::string>& history() const { return history_; }
  const std::vector<std::string>& announced() const { return announced_; }

 private:
  std::string caption_;
  std::vector<std::string> history_;
  std::vector<std::string> announced_;
};

}  // namespace corvane
