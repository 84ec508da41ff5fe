#pragma once

#include <string>

#include "history/IVisitRecorder.h"

namespace corvane {

// The recorder of a Corvane that keeps no history: every visit is forgotten.
class NoHistory : public IVisitRecorder {
 public:
  void RecordVisit(const std::string&, const std::string&) override {}
  void SetTitle(const std::string&, const std::string&) override {}
};

}  // namespace corvane
