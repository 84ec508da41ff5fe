#include "qt/start/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvane {

ProgramFolders ProgramFolders::forRunningProgram() {
  ProgramFolders folders;
  const QFileInfo exe(QCoreApplication::applicationFilePath());
  folders.program = QFileInfo(exe.canonicalFilePath()).absolutePath();
  const QString name = QCoreApplication::applicationName();
  folders.userConfig =
      QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(name);
  folders.userData =
      QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(name);
  folders.userCache =
      QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)).filePath(name);
  return folders;
}

QString ProgramFolders::favorites() const {
  return userData.isEmpty() ? QString() : userData + QStringLiteral("/Favorites");
}

}  // namespace corvane
