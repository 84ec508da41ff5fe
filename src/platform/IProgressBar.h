#pragma once

namespace corvane {

// A progress bar whose range runs from Min() to Max(); values outside it are refused.
class IProgressBar {
 public:
  IProgressBar() = default;
  IProgressBar(const IProgressBar&) = delete;
  IProgressBar& operator=(const IProgressBar&) = delete;
  virtual ~IProgressBar() = default;

  virtual float Min() const = 0;
  virtual float Max() const = 0;
  virtual float Value() const = 0;
  virtual void SetValue(float value) = 0;
};

}  // namespace corvane
