#pragma once

#include <deque>

#include "platform/IRandom.h"

namespace corvane {

// Random numbers from a script; when it runs out, 0. Counts the seedings.
class FakeRandom : public IRandom {
 public:
  void Randomize() override { ++seedings_; }
  double Rnd() override {
    if (draws_.empty()) return 0.0;
    const double r = draws_.front();
    draws_.pop_front();
    return r;
  }

  void script(std::deque<double> draws) { draws_ = std::move(draws); }
  int seedings() const { return seedings_; }

 private:
  std::deque<double> draws_;
  int seedings_ = 0;
};

}  // namespace corvane
