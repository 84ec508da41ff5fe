#pragma once

#include <optional>
#include <string>

namespace corvane {

// The last request of a pane's that a page may keep from happening with its leave-page question.
// The engine cannot wait for the user's answer, so the page stays for now; once the user agrees
// to leave, the request is made again. A navigation the page lets through needs nothing more.
class LeaveRetry {
 public:
  enum class Kind { Navigate, GoBack, GoForward, Refresh };
  struct Request {
    Kind kind = Kind::Navigate;
    std::string address;  // Navigate's
  };
  // What an answer leads to: the request to make again, or an end of the pane's load, which
  // waits no longer for what was asked.
  struct Outcome {
    std::optional<Request> again;
    bool stop = false;
  };

  // The pane asked for `request`.
  void asked(Request request) { held_ = std::move(request); }
  // The page let a navigation go ahead.
  void letThrough() { held_.reset(); }
  // The user answered the page's question: leave or stay. `busy`: the pane is loading.
  Outcome answered(bool leave, bool busy);

 private:
  std::optional<Request> held_;
};

}  // namespace corvane
