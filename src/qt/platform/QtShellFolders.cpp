#include "qt/platform/QtShellFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QStandardPaths>

namespace corvane {

namespace {

// Where the web engine finds its helper program: the place it is told, else beside Qt's other
// helpers, else beside the program.
QFileInfo engineHelper() {
  const QString told = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
  if (!told.isEmpty()) return QFileInfo(told);
  const QString name = QStringLiteral("QtWebEngineProcess");
  const QString beside = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath);
  for (const QString& folder : {beside, QCoreApplication::applicationDirPath()}) {
    const QFileInfo helper(QDir(folder).filePath(name));
    if (helper.exists()) return helper;
  }
  return QFileInfo(QDir(beside).filePath(name));
}

}  // namespace

std::string QtShellFolders::GetSystemDirectory() {
  return engineHelper().absolutePath().toStdString();
}

std::string QtShellFolders::InternetSettingsApplet() {
  return engineHelper().fileName().toStdString();
}

std::string QtShellFolders::GetWindowsDirectory() {
  const QFileInfo program(QCoreApplication::applicationFilePath());
  return program.absolutePath().toStdString();
}

std::string QtShellFolders::GetShellFolder(ShellFolder folder) {
  switch (folder) {
    case ShellFolder::Programs: {
      const QString name = QGuiApplication::desktopFileName();
      if (name.isEmpty()) return "";
      const QString launcher = QStandardPaths::locate(QStandardPaths::ApplicationsLocation,
                                                      name + QStringLiteral(".desktop"));
      return launcher.isEmpty() ? "" : QFileInfo(launcher).absolutePath().toStdString();
    }
    case ShellFolder::Desktop:
      return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
  }
  return "";
}

}  // namespace corvane
