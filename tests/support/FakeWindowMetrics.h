#pragma once

#include "platform/IWindowMetrics.h"

namespace corvane {

// Window sizes a test sets directly; starts as the designed window: client 9840 x 6855 in a
// frame 120 twips wider, on a screen 19200 twips wide.
class FakeWindowMetrics : public IWindowMetrics {
 public:
  float ClientWidth() const override { return clientWidth_; }
  float ClientHeight() const override { return clientHeight_; }
  float OuterWidth() const override { return outerWidth_; }
  float ScreenWidth() const override { return screenWidth_; }

  // Sets the client size; the frame stays 120 twips wider.
  void resize(float clientWidth, float clientHeight) {
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    outerWidth_ = clientWidth + 120;
  }

 private:
  float clientWidth_ = 9840;
  float clientHeight_ = 6855;
  float outerWidth_ = 9960;
  float screenWidth_ = 19200;
};

}  // namespace corvane
