#pragma once

#include <string>

namespace corvane {

// The page a find bar searches.
class IFindTarget {
 public:
  virtual ~IFindTarget() = default;
  virtual void find(const std::string& text, bool backward, bool matchCase) = 0;
  // Clears the highlights and forgets the last match, so the next find starts afresh.
  virtual void clearFind() = 0;
};

// What a pane's find bar does with its page: it finds as the user types, steps forward and
// back, starts over when the case rule changes, and tells what was found. The engine answers
// later; an answer that comes after the text was emptied or the bar was put away shows nothing.
class FindInPage {
 public:
  explicit FindInPage(IFindTarget& page) : page_(page) {}

  void setText(const std::string& text);
  void setMatchCase(bool on);
  void next() { find(false); }
  void previous() { find(true); }
  void dismiss();

  // The engine's answer to the last find, as the bar shows it.
  void answered(int matches, int activeMatch);
  const std::string& result() const { return result_; }
  bool hasText() const { return !text_.empty(); }

 private:
  void find(bool backward);

  IFindTarget& page_;
  std::string text_;
  bool matchCase_ = false;
  bool open_ = true;
  std::string result_;
};

}  // namespace corvane
