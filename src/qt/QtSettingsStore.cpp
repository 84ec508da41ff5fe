#include "qt/QtSettingsStore.h"

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
  QSettings settings(fileFor(appName), QSettings::IniFormat);
  settings.beginGroup(toQ(section));
  settings.setValue(toQ(key), toQ(value));
  settings.endGroup();
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    throw std::runtime_error("the settings could not be stored");
  }
}

}  // namespace corvane
