#pragma once

#include <string>

namespace corvane {

// One line of status text.
class IStatusLine {
 public:
  IStatusLine() = default;
  IStatusLine(const IStatusLine&) = delete;
  IStatusLine& operator=(const IStatusLine&) = delete;
  virtual ~IStatusLine() = default;

  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& text) = 0;
  // Says `text` once to screen readers, politely, without showing it: what a sighted user learns
  // from a glance at the line.
  virtual void Announce(const std::string& text) = 0;
};

}  // namespace corvane
