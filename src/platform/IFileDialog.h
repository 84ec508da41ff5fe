#pragma once

#include <string>

namespace corvane {

// What a file dialog is set up with before it is shown.
struct OpenFileRequest {
  std::string title;
  // Added to a typed name that has none, e.g. "html".
  std::string defaultExt;
  // Pairs of description and pattern separated by '|', the first pair selected:
  // "HTML Files|*.html|All Files|*.*".
  std::string filter;
  // The chosen file must exist (open only).
  bool mustExist = true;
};

// The platform's dialogs for choosing a file to open or to save to.
class IFileDialog {
 public:
  IFileDialog() = default;
  IFileDialog(const IFileDialog&) = delete;
  IFileDialog& operator=(const IFileDialog&) = delete;
  virtual ~IFileDialog() = default;

  // Shows the dialog and waits; the chosen file's full path, or "" when the user cancelled.
  virtual std::string ShowOpen(const OpenFileRequest& request) = 0;
  // The same for a file to write; a file that exists is replaced only once the user agrees.
  virtual std::string ShowSave(const OpenFileRequest& request) = 0;
};

}  // namespace corvane
