#pragma once

#include "RecordingFakes.h"
#include "platform/ISessionStrip.h"

namespace corvane {

// A strip over the panes that records what it showed: "Offer:<text>|<button>",
// "Notify:<text>", "Close".
class FakeSessionStrip : public ISessionStrip, public CallLog {
 public:
  void Offer(const std::string& text, const std::string& button) override {
    log("Offer:" + text + "|" + button);
  }
  void Notify(const std::string& text) override { log("Notify:" + text); }
  void Close() override { log("Close"); }
};

}  // namespace corvane
