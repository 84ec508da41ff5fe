#include "browser/LeaveRetry.h"

#include <utility>

namespace corvane {

LeaveRetry::Outcome LeaveRetry::answered(bool leave, bool busy) {
  std::optional<Request> held = std::exchange(held_, std::nullopt);
  Outcome outcome;
  if (leave) {
    outcome.again = std::move(held);
  } else {
    outcome.stop = busy;
  }
  return outcome;
}

}  // namespace corvane
