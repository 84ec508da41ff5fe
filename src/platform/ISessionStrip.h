#pragma once

#include <string>

namespace corvane {

// The strip over both panes where the pages from last time are offered back, and where what
// became of them is said. It stays until the user closes it or the program closes it.
class ISessionStrip {
 public:
  ISessionStrip() = default;
  ISessionStrip(const ISessionStrip&) = delete;
  ISessionStrip& operator=(const ISessionStrip&) = delete;
  virtual ~ISessionStrip() = default;

  // Shows text with one button captioned button; pressing it restores the pages.
  virtual void Offer(const std::string& text, const std::string& button) = 0;
  // Shows text without a button.
  virtual void Notify(const std::string& text) = 0;
  // Hides the strip.
  virtual void Close() = 0;
};

}  // namespace corvane
