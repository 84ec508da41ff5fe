#pragma once

#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "platform/IAddFavoriteDialog.h"

namespace corvane {

// An Add Favorite dialog that answers from a script (nothing left: the user cancels) and
// remembers each request it was shown with.
class FakeAddFavoriteDialog : public IAddFavoriteDialog {
 public:
  std::optional<AddFavoriteChoice> AddFavorite(const AddFavoriteRequest& request) override {
    requests_.push_back(request);
    if (answers_.empty()) return std::nullopt;
    std::optional<AddFavoriteChoice> answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  // The answers, in order; std::nullopt is a Cancel.
  void script(std::deque<std::optional<AddFavoriteChoice>> answers) {
    answers_ = std::move(answers);
  }
  const std::vector<AddFavoriteRequest>& requests() const { return requests_; }

 private:
  std::deque<std::optional<AddFavoriteChoice>> answers_;
  std::vector<AddFavoriteRequest> requests_;
};

}  // namespace corvane
