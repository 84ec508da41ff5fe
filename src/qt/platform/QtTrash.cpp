#include "qt/platform/QtTrash.h"

#include <QFile>
#include <QString>

namespace corvane {

bool QtTrash::MoveToTrash(const std::string& path) {
  return QFile::moveToTrash(QString::fromStdString(path));
}

}  // namespace corvane
