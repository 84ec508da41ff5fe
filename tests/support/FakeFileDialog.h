#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/IFileDialog.h"

namespace corvane {

// A file dialog that "chooses" what the test says ("" cancels) and records each request.
class FakeFileDialog : public IFileDialog {
 public:
  std::string ShowOpen(const OpenFileRequest& request) override {
    requests_.push_back(request);
    return choice_;
  }
  std::string ShowSave(const OpenFileRequest& request) override { return ShowOpen(request); }

  void choose(std::string path) { choice_ = std::move(path); }
  const std::vector<OpenFileRequest>& requests() const { return requests_; }

 private:
  std::string choice_;
  std::vector<OpenFileRequest> requests_;
};

}  // namespace corvane
