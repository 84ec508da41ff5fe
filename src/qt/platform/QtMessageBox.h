#pragma once

#include "platform/IMessageBox.h"

class QWidget;

namespace corvane {

// IMessageBox over QMessageBox, modal over its parent window. Texts are shown as plain text.
class QtMessageBox : public IMessageBox {
 public:
  // parent: the window the box belongs to; may be null.
  explicit QtMessageBox(QWidget* parent) : parent_(parent) {}

  MsgBoxResult MsgBox(const std::string& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                      const std::string& title) override;

 private:
  QWidget* parent_;
};

}  // namespace corvane
