#pragma once

#include "platform/IProgressBar.h"

class QProgressBar;

namespace corvane {

// IProgressBar over a QProgressBar whose range is 0 to 1,000,000. A value outside the range is
// refused with std::out_of_range, as the logic expects of a control.
class QtProgressBar : public IProgressBar {
 public:
  static constexpr int kMaximum = 1000000;

  explicit QtProgressBar(QProgressBar* bar);

  float Min() const override;
  float Max() const override;
  float Value() const override;
  void SetValue(float value) override;

 private:
  QProgressBar* bar_;
};

}  // namespace corvane
