#pragma once

#include <optional>

namespace corvane {

// Which downloads a page may start by itself. The first after a user's click or key goes on;
// any further one the page starts before the next click or key asks the user first, one
// question at a time; the answer holds until the user acts in the page again. A page the user
// has not acted in yet has had its one download: its first asks too.
class DownloadGate {
 public:
  enum class Decision { Go, Ask, Refuse };

  // A click or key press in the page.
  void userActed();
  // The page starts a download.
  Decision request();
  // The user's answer to the question `request` led to.
  void answered(bool allowed);

 private:
  int sinceUserActed_ = 1;
  bool asking_ = false;
  std::optional<bool> answer_;
};

}  // namespace corvane
