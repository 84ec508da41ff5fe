#include "qt/platform/DesktopOpener.h"

#include <QFile>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include "browser/DesktopEntry.h"

namespace corvane {

namespace {
// A desktop that takes longer than this to answer gets the generic button text.
constexpr int kAnswerMs = 2000;
}  // namespace

QString DesktopOpener::applicationFor(const QString& path) {
  const QString mime = QMimeDatabase().mimeTypeForFile(path).name();
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), mime});
  if (!query.waitForFinished(kAnswerMs)) {
    query.kill();
    query.waitForFinished(kAnswerMs);
    return {};
  }
  return applicationNamed(QString::fromUtf8(query.readAllStandardOutput()).trimmed());
}

QString DesktopOpener::applicationNamed(const QString& id) {
  if (id.isEmpty() || id.contains(QLatin1Char('/'))) return {};
  QFile entry(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id));
  if (!entry.open(QIODevice::ReadOnly)) return {};
  return QString::fromStdString(DesktopEntry::name(entry.readAll().toStdString()));
}

void DesktopOpener::open(const QString& path, QWidget* parent) {
  if (QProcess::startDetached(QStringLiteral("xdg-open"), {path})) return;
  auto* box = new QMessageBox(QMessageBox::Warning, QObject::tr("Open File"),
                              QObject::tr("The desktop could not be asked to open %1: xdg-open "
                                          "did not start.")
                                  .arg(path),
                              QMessageBox::Ok, parent);
  box->setObjectName(QStringLiteral("OpenWithFailed"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  box->open();
}

}  // namespace corvane
