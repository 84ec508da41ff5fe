#pragma once

#include <string>

namespace corvane {

// Keystrokes sent to whichever window holds the keyboard focus, as if the user typed them.
class ISendKeys {
 public:
  ISendKeys() = default;
  ISendKeys(const ISendKeys&) = delete;
  ISendKeys& operator=(const ISendKeys&) = delete;
  virtual ~ISendKeys() = default;

  // Sends keys in send-keys notation ("^f" is Ctrl+F) to the focused window. With wait false it
  // returns at once and the window gets the keys later; with wait true, once it has had them.
  // Keys the platform cannot send are refused with an exception.
  virtual void SendKeys(const std::string& keys, bool wait) = 0;
};

}  // namespace corvane
