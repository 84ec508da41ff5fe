#pragma once

#include <QToolBar>

#include "platform/ISessionStrip.h"

class QLabel;
class QPushButton;

namespace corvane {

// ISessionStrip as a bar across the window over both panes: its text, the button that restores
// the pages when one is offered, and a close button. Hidden, it takes no room.
class QtSessionStrip : public QToolBar, public ISessionStrip {
  Q_OBJECT
 public:
  explicit QtSessionStrip(QWidget* parent);

  void Offer(const std::string& text, const std::string& button) override;
  void Notify(const std::string& text) override;
  void Close() override;

 Q_SIGNALS:
  void restoreClicked();
  // The user closed the strip.
  void dismissed();

 private:
  void showText(const std::string& text);

  QLabel* text_;
  QAction* restore_;
  QPushButton* restoreButton_;
};

}  // namespace corvane
