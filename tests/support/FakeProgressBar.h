#pragma once

#include <stdexcept>
#include <string>

#include "platform/IProgressBar.h"

namespace corvane {

// A progress bar from 0 to 1,000,000 that refuses values outside its range by throwing
// std::out_of_range, as a real control does.
class FakeProgressBar : public IProgressBar {
 public:
  static constexpr float kMax = 1000000.0f;

  float Min() const override { return 0.0f; }
  float Max() const override { return kMax; }
  float Value() const override { return value_; }
  void SetValue(float value) override {
    // Written so that NaN is refused too.
    if (!(value >= Min() && value <= Max())) {
      throw std::out_of_range("progress value out of range: " + std::to_string(value));
    }
    value_ = value;
  }

 private:
  float value_ = 0.0f;
};

}  // namespace corvane
