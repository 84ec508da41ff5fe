#pragma once

#include <string>

namespace corvane {

// Where the panes report the pages they show.
class IVisitRecorder {
 public:
  IVisitRecorder() = default;
  IVisitRecorder(const IVisitRecorder&) = delete;
  IVisitRecorder& operator=(const IVisitRecorder&) = delete;
  virtual ~IVisitRecorder() = default;

  // A page is shown; its title "" while it has none.
  virtual void RecordVisit(const std::string& url, const std::string& title) = 0;
  // The page shown got its title after its visit was reported.
  virtual void SetTitle(const std::string& url, const std::string& title) = 0;
};

}  // namespace corvane
