#pragma once

#include <string>
#include <vector>

namespace corvane {

// Which of a page's requests for a new window may open. Only those a user's click or key asked
// for, or any from a site the user allows; and even then no more than a few at a time, so that
// a page cannot bury the desktop in windows. What is blocked is counted for the pane's notice,
// and kept, so that the user can still let it open.
class PopupBlocker {
 public:
  // The pop-up windows one page may hold open at a time.
  static constexpr int kMaxOpen = 3;
  // A pop-up kept to open later: its address and the page area it asked for (0 where none).
  struct Held {
    std::string address;
    int width = 0;
    int height = 0;
  };

  // A request of the page at `host` for `address` in a page area of `width` by `height`;
  // `openNow` of its pop-ups are open. True when it may open; otherwise it is counted as
  // blocked.
  bool request(bool userInitiated, bool siteAllowed, int openNow, const std::string& host,
               const std::string& address, int width = 0, int height = 0);

  // The pop-ups blocked since the notice was last answered.
  int blocked() const { return blocked_; }
  // "Corvane blocked 3 pop-up windows from 127.0.0.1"; empty when none is blocked.
  std::string notice() const;
  // The blocked pop-ups to open now that the user allows them, as many as there is room for
  // beside the `openNow` open ones; the count starts again.
  std::vector<Held> release(int openNow);
  // The notice is closed unanswered, or the document that asked has gone: the count starts
  // again, and nothing it asked for opens.
  void dismiss();

 private:
  int blocked_ = 0;
  std::string host_;
  std::vector<Held> held_;
};

}  // namespace corvane
