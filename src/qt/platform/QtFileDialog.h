#pragma once

#include <QString>

#include "platform/IFileDialog.h"

class QWidget;

namespace corvane {

// IFileDialog over QFileDialog. The filter's "description|pattern" pairs become the dialog's
// name filters, the first one selected.
class QtFileDialog : public IFileDialog {
 public:
  explicit QtFileDialog(QWidget* parent) : parent_(parent) {}

  std::string ShowOpen(const OpenFileRequest& request) override;
  std::string ShowSave(const OpenFileRequest& request) override;

  // "HTML Files|*.html|All Files|*.*" as name filters: "HTML Files (*.html)", "All Files (*)".
  static QStringList nameFilters(const std::string& filter);

 private:
  std::string show(const OpenFileRequest& request, bool save);

  QWidget* parent_;
};

}  // namespace corvane
