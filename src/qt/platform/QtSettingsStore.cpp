#include "qt/platform/QtSettingsStore.h"

#include <QDir>
#include <QSettings>

#include <stdexcept>

namespace corvane {

namespace {
QString toQ(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

QString QtSettingsStore::fileFor(const std::string& appName) const {
  return QDir(folder_).filePath(toQ(appName) + QStringLiteral(".conf"));
}

std::string QtSettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& defaultValue) {
  QSettings settings(fileFor(appName), QSettings::IniFormat);
  settings.beginGroup(toQ(section));
  return settings.value(toQ(key), toQ(defaultValue)).toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                  const std::string& key, const std::string& value) {
  QDir().mkpath(folder_);
  const QString file = fileFor(appName);
  QSettings settings(file, QSettings::IniFormat);
  settings.beginGroup(toQ(section));
  const QVariant old = settings.value(toQ(key));
  settings.setValue(toQ(key), toQ(value));
  settings.sync();
  if (settings.status() == QSettings::NoError) return;
  // QSettings keeps a change it could not write and shows it to every later reader in this
  // process: take it back, so that reading tells what the file holds.
  if (old.isValid()) {
    settings.setValue(toQ(key), old);
  } else {
    settings.remove(toQ(key));
  }
  settings.sync();
  throw std::runtime_error("it could not be written to " + file.toStdString());
}

}  // namespace corvane
