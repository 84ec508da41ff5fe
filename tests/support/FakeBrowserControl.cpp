#include "FakeBrowserControl.h"

#include <stdexcept>

#include "platform/IBrowserEvents.h"

namespace corvane {

namespace {
const char kNavigatePrefix[] = "Navigate:";
}  // namespace

void FakeBrowserControl::Navigate(const std::string& address) {
  calls_.push_back(kNavigatePrefix + address);
  if (throwOnNavigate_) throw std::runtime_error("address refused: " + address);
}

void FakeBrowserControl::GoBack() { calls_.push_back("GoBack"); }
void FakeBrowserControl::GoForward() { calls_.push_back("GoForward"); }
void FakeBrowserControl::Stop() { calls_.push_back("Stop"); }
void FakeBrowserControl::Refresh() { calls_.push_back("Refresh"); }
void FakeBrowserControl::SetFocus() { calls_.push_back("SetFocus"); }

void FakeBrowserControl::ExecWB(int32_t command, int32_t option) {
  calls_.push_back("ExecWB:" + std::to_string(command) + ":" + std::to_string(option));
}

std::vector<std::string> FakeBrowserControl::navigations() const {
  const std::string prefix = kNavigatePrefix;
  std::vector<std::string> addresses;
  for (const std::string& call : calls_) {
    if (call.compare(0, prefix.size(), prefix) == 0) {
      addresses.push_back(call.substr(prefix.size()));
    }
  }
  return addresses;
}

void FakeBrowserControl::raiseStatusTextChange(const std::string& text) {
  if (sink_) sink_->StatusTextChange(text);
}

void FakeBrowserControl::raiseProgressChange(int32_t progress, int32_t progressMax) {
  if (sink_) sink_->ProgressChange(progress, progressMax);
}

void FakeBrowserControl::raiseNavigateComplete2() {
  if (sink_) sink_->NavigateComplete2();
}

void FakeBrowserControl::raiseDownloadComplete() {
  if (sink_) sink_->DownloadComplete();
}

}  // namespace corvane
