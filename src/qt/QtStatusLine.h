#pragma once

#include "platform/IStatusLine.h"

class QLabel;

namespace corvane {

// IStatusLine over a QLabel. Page titles and link addresses are shown as plain text, never
// interpreted as markup.
class QtStatusLine : public IStatusLine {
 public:
  explicit QtStatusLine(QLabel* label);

  std::string Caption() const override;
  void SetCaption(const std::string& text) override;

 private:
  QLabel* label_;
};

}  // namespace corvane
