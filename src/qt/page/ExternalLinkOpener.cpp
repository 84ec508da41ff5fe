#include "qt/page/ExternalLinkOpener.h"

#include <QProcess>

#include "browser/ExternalLink.h"
#include "qt/platform/DesktopOpener.h"

namespace corvane {

bool ExternalLinkOpener::takes(const QUrl& url, const Ask& ask) {
  const std::string scheme = url.scheme().toLower().toStdString();
  // Corvane's own requests are no link: nothing to ask, and nowhere to go.
  if (ExternalLink::isOwnScheme(scheme)) return true;
  if (scheme.empty() || ExternalLink::isEngineScheme(scheme)) return false;
  offer(url, ask);
  return true;
}

void ExternalLinkOpener::offer(const QUrl& url, Ask ask) {
  if (busy_) return;
  busy_ = true;
  // The desktop's default handler for the scheme, asked without holding up the program.
  auto* query = new QProcess(this);
  connect(query, &QProcess::finished, this, [this, query, url, ask] {
    const QString entry = QString::fromUtf8(query->readAllStandardOutput()).trimmed();
    query->deleteLater();
    QString program = DesktopOpener::applicationNamed(entry);
    if (program.isEmpty()) program = entry;
    this->ask(url, ask, program);
  });
  connect(query, &QProcess::errorOccurred, this, [this, query, url, ask](QProcess::ProcessError) {
    if (query->state() != QProcess::NotRunning) return;
    query->deleteLater();
    this->ask(url, ask, QString());
  });
  query->start(
      QStringLiteral("xdg-mime"),
      {QStringLiteral("query"), QStringLiteral("default"),
       QString::fromStdString(ExternalLink::mimeType(url.scheme().toLower().toStdString()))});
}

void ExternalLinkOpener::ask(const QUrl& url, const Ask& ask, const QString& program) {
  const std::string address = url.toString().toStdString();
  const QString question =
      QString::fromStdString(ExternalLink::question(address, program.toStdString()));
  const QString named = QString::fromStdString(ExternalLink::shownAddress(address));
  const bool shown = ask(question, named, [this, url](bool open) {
    busy_ = false;
    if (open)
      QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
  });
  if (!shown) busy_ = false;
}

}  // namespace corvane
