#include "platform/ClockRandom.h"

#include <chrono>

namespace corvane {

void ClockRandom::Randomize() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<std::mt19937::result_type>(ticks));
}

double ClockRandom::Rnd() {
  // generate_canonical may round up to 1.0 on some libraries; the contract is [0, 1).
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  const double r = uniform(engine_);
  return r < 1.0 ? r : 0.0;
}

}  // namespace corvane
