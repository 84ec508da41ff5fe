#pragma once

#include <string>
#include <vector>

#include "history/IVisitRecorder.h"

namespace corvane {

// Notes the pages reported, as "visit <url> <title>" and "title <url> <title>".
class RecordingVisits : public IVisitRecorder {
 public:
  void RecordVisit(const std::string& url, const std::string& title) override {
    reports_.push_back("visit " + url + " " + title);
  }
  void SetTitle(const std::string& url, const std::string& title) override {
    reports_.push_back("title " + url + " " + title);
  }
  const std::vector<std::string>& reports() const { return reports_; }

 private:
  std::vector<std::string> reports_;
};

}  // namespace corvane
