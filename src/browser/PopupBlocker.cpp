#include "browser/PopupBlocker.h"

namespace corvane {

bool PopupBlocker::request(bool userInitiated, bool siteAllowed, int openNow,
                           const std::string& host, const std::string& address, int width,
                           int height) {
  if ((userInitiated || siteAllowed) && openNow < kMaxOpen) return true;
  // The notice speaks of the page the pane shows now.
  if (host != host_) dismiss();
  host_ = host;
  ++blocked_;
  // Only as many as could ever open at once are worth keeping.
  if (held_.size() < static_cast<std::size_t>(kMaxOpen)) held_.push_back({address, width, height});
  return false;
}

std::string PopupBlocker::notice() const {
  if (blocked_ == 0) return {};
  return "Corvane blocked " + std::to_string(blocked_) + " pop-up window" +
         (blocked_ == 1 ? "" : "s") + " from " + host_;
}

std::vector<PopupBlocker::Held> PopupBlocker::release(int openNow) {
  std::vector<Held> released;
  for (const Held& held : held_) {
    if (openNow + static_cast<int>(released.size()) >= kMaxOpen) break;
    released.push_back(held);
  }
  dismiss();
  return released;
}

void PopupBlocker::dismiss() {
  blocked_ = 0;
  held_.clear();
}

}  // namespace corvane
