#pragma once

namespace corvane {

// A pseudo-random number generator.
class IRandom {
 public:
  IRandom() = default;
  IRandom(const IRandom&) = delete;
  IRandom& operator=(const IRandom&) = delete;
  virtual ~IRandom() = default;

  // Seeds the generator from the clock.
  virtual void Randomize() = 0;
  // A uniform number in [0, 1).
  virtual double Rnd() = 0;
};

}  // namespace corvane
