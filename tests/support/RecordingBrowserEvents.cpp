#include "RecordingBrowserEvents.h"

namespace corvane {

std::vector<std::string> RecordingBrowserEvents::take() {
  std::vector<std::string> fresh;
  fresh.swap(fresh_);
  return fresh;
}

void RecordingBrowserEvents::record(const std::string& event) {
  all_.push_back(event);
  fresh_.push_back(event);
  if (onEvent_) onEvent_(event);
}

}  // namespace corvane
