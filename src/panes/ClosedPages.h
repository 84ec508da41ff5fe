#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <utility>

#include "panes/PageSnapshot.h"

namespace corvane {

// The pages a pane has closed, the last one first, each with its history and its place in the
// strip, for reopening. Only the last kKept are kept: each may hold a long history.
class ClosedPages {
 public:
  static constexpr std::size_t kKept = 25;

  struct Closed {
    PageSnapshot page;
    int index = 0;
  };

  void Push(Closed closed) {
    pages_.push_front(std::move(closed));
    if (pages_.size() > kKept) pages_.pop_back();
  }
  std::optional<Closed> Pop() {
    if (pages_.empty()) return std::nullopt;
    Closed last = std::move(pages_.front());
    pages_.pop_front();
    return last;
  }
  void Clear() { pages_.clear(); }
  std::size_t size() const { return pages_.size(); }

 private:
  std::deque<Closed> pages_;
};

}  // namespace corvane
