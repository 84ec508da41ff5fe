#pragma once

#include <QLabel>

#include "platform/IStatusLine.h"

namespace corvane {

// A pane's status line. Its text is always plain (a page title is never read as markup); a text
// wider than the line is drawn cut with "…", and the whole text is the tooltip and the
// accessible description, so nothing is lost to the eye or to a screen reader. An announcement
// is a notification inside the line (ScreenReaderNotice).
class StatusLabel : public QLabel, public IStatusLine {
  Q_OBJECT
 public:
  StatusLabel(const QString& objectName, const QString& accessibleName, QWidget* parent);

  std::string Caption() const override;
  void SetCaption(const std::string& text) override;
  void Announce(const std::string& text) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace corvane
