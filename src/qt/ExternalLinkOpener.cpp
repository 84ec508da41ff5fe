#include "qt/ExternalLinkOpener.h"

#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include "browser/ExternalLink.h"

namespace corvane {

void ExternalLinkOpener::offer(const QUrl& url, QWidget* window) {
  if (busy_) return;
  busy_ = true;
  // The desktop's default handler for the scheme, asked without holding up the program.
  auto* query = new QProcess(this);
  QPointer<QWidget> owner(window);
  connect(query, &QProcess::finished, this, [this, query, url, owner] {
    const QString entry = QString::fromUtf8(query->readAllStandardOutput()).trimmed();
    query->deleteLater();
    QString program;
    const QString path = entry.isEmpty()
                             ? QString()
                             : QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly)) {
      program = QString::fromStdString(ExternalLink::programName(file.readAll().toStdString()));
    }
    if (program.isEmpty()) program = entry;
    ask(url, owner, program);
  });
  connect(query, &QProcess::errorOccurred, this, [this, query, url, owner](QProcess::ProcessError) {
    if (query->state() != QProcess::NotRunning) return;
    query->deleteLater();
    ask(url, owner, QString());
  });
  query->start(
      QStringLiteral("xdg-mime"),
      {QStringLiteral("query"), QStringLiteral("default"),
       QString::fromStdString(ExternalLink::mimeType(url.scheme().toLower().toStdString()))});
}

void ExternalLinkOpener::ask(const QUrl& url, QWidget* window, const QString& program) {
  auto* box = new QMessageBox(QMessageBox::Question, tr("Open With Another Program"),
                              QString::fromStdString(ExternalLink::question(
                                  url.toString().toStdString(), program.toStdString())),
                              QMessageBox::NoButton, window);
  box->setObjectName(QStringLiteral("ExternalLinkQuestion"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  QPushButton* open = box->addButton(tr("&Open"), QMessageBox::AcceptRole);
  QPushButton* keep = box->addButton(tr("&Don't Open"), QMessageBox::RejectRole);
  box->setDefaultButton(keep);
  box->setEscapeButton(keep);
  // Not modal: the page's pane does not hold the rest of the window.
  box->setWindowModality(Qt::NonModal);
  connect(box, &QMessageBox::finished, this, [this, box, open, url] {
    busy_ = false;
    if (box->clickedButton() == open) {
      QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
    }
  });
  box->show();
}

}  // namespace corvane
