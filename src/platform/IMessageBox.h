#pragma once

#include <string>

namespace corvane {

// The buttons a message box offers; the first one is the default.
enum class MsgBoxButtons { OK, YesNo, YesNoCancel };
// The picture beside the text.
enum class MsgBoxIcon { None, Information, Question, Exclamation, Critical };
// What the user answered; closing the box counts as Cancel (or OK when that is the only button).
enum class MsgBoxResult { OK, Yes, No, Cancel };

// Modal questions and notices to the user.
class IMessageBox {
 public:
  // The program's title, which a box without a title of its own carries.
  static constexpr const char* kProgramTitle = "Corvane";

  IMessageBox() = default;
  IMessageBox(const IMessageBox&) = delete;
  IMessageBox& operator=(const IMessageBox&) = delete;
  virtual ~IMessageBox() = default;

  // Shows text as plain text and waits for the answer. An empty title means the program's.
  virtual MsgBoxResult MsgBox(const std::string& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                              const std::string& title) = 0;
};

}  // namespace corvane
