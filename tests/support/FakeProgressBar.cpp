#include "FakeProgressBar.h"

#include <stdexcept>
#include <string>

namespace corvane {

void FakeProgressBar::SetValue(float value) {
  // Written so that NaN is refused too.
  if (!(value >= Min() && value <= Max())) {
    throw std::out_of_range("progress value out of range: " + std::to_string(value));
  }
  value_ = value;
}

}  // namespace corvane
