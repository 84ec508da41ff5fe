#pragma once

#include <random>

#include "platform/IRandom.h"

namespace corvane {

// The program's random numbers: a Mersenne twister, seeded from the clock on Randomize.
class ClockRandom : public IRandom {
 public:
  void Randomize() override;
  double Rnd() override;

 private:
  std::mt19937 engine_;
};

}  // namespace corvane
