#include "qt/platform/QtFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "qt/platform/OnScreen.h"

namespace corvane {

QStringList QtFileDialog::nameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts.at(i + 1);
    // "*.*" means every file on the system the filter was written for, with or without a dot.
    pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << QStringLiteral("%1 (%2)").arg(parts.at(i), pattern);
  }
  return filters;
}

std::string QtFileDialog::ShowOpen(const OpenFileRequest& request) { return show(request, false); }

std::string QtFileDialog::ShowSave(const OpenFileRequest& request) { return show(request, true); }

std::string QtFileDialog::show(const OpenFileRequest& request, bool save) {
  QFileDialog dialog(dialogOwner(parent_), QString::fromStdString(request.title));
  dialog.setObjectName(QStringLiteral("cdb1"));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.mustExist && !save ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  const QStringList filters = nameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
  }
  dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

}  // namespace corvane
