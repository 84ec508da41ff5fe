#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ITrash.h"

namespace corvane {

// A trash that removes what it is given (a link as the link) and remembers it; or, when told
// the platform has none, refuses and leaves everything as it is.
class FakeTrash : public ITrash {
 public:
  bool MoveToTrash(const std::string& path) override {
    if (!available_) return false;
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
    if (ec) return false;
    trashed_.push_back(path);
    return true;
  }

  void setAvailable(bool available) { available_ = available; }
  const std::vector<std::string>& trashed() const { return trashed_; }

 private:
  bool available_ = true;
  std::vector<std::string> trashed_;
};

}  // namespace corvane
