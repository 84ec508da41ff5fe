#pragma once

#include <string>
#include <vector>

#include "platform/ISendKeys.h"

namespace corvane {

// Keystrokes that go nowhere: each call is recorded as "<keys>:wait" or "<keys>:nowait".
class FakeSendKeys : public ISendKeys {
 public:
  void SendKeys(const std::string& keys, bool wait) override {
    sent_.push_back(keys + (wait ? ":wait" : ":nowait"));
  }

  const std::vector<std::string>& sent() const { return sent_; }

 private:
  std::vector<std::string> sent_;
};

}  // namespace corvane
