#include "browser/ZoomSteps.h"

#include <iterator>

namespace corvane {

namespace ZoomSteps {

namespace {
constexpr double kSteps[] = {0.25, 0.33, 0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                             1.25, 1.5,  1.75, 2.0,  2.5,  3.0, 4.0, 5.0};
// The engine hands back a factor that may differ from the one set in its last digits.
constexpr double kSame = 0.005;
}  // namespace

double larger(double factor) {
  for (double step : kSteps) {
    if (step > factor + kSame) return step;
  }
  return *std::prev(std::end(kSteps));
}

double smaller(double factor) {
  for (auto step = std::rbegin(kSteps); step != std::rend(kSteps); ++step) {
    if (*step < factor - kSame) return *step;
  }
  return kSteps[0];
}

}  // namespace ZoomSteps

}  // namespace corvane
