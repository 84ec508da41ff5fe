#include "qt/page/PageDocuments.h"

#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include <string>

#include "qt/page/PageDialogChannel.h"
#include "qt/page/PageReports.h"

namespace corvane {

PageDocuments::PageDocuments(QWebEnginePage* page)
    : QObject(page), reports_(new PageReports(page)) {
  connect(reports_, &PageReports::reported, this, &PageDocuments::onReport);
  // The page's documents are gone with its renderer: no key holds until the next one.
  connect(page, &QWebEnginePage::renderProcessTerminated, this, [this] { markers_.clear(); });
  addScripts(page);
}

void PageDocuments::addScripts(QWebEnginePage* page) {
  const std::string send = reports_->sendFunction().toStdString();
  const struct {
    const char* name;
    QWebEngineScript::InjectionPoint point;
    quint32 world;
    QString source;
  } scripts[] = {
      // The page's own world: its dialog calls are answered through its sheet.
      {"corvane-page-dialogs", QWebEngineScript::DocumentCreation, QWebEngineScript::MainWorld,
       PageDialogChannel::pageScript()},
      {"corvane-document-created", QWebEngineScript::DocumentCreation, PageReports::kWorld,
       QString::fromStdString(DocumentMarkers::creationScript(send))},
      {"corvane-document-parsed", QWebEngineScript::DocumentReady, PageReports::kWorld,
       QString::fromStdString(DocumentMarkers::parsedScript(send))},
  };
  for (const auto& each : scripts) {
    QWebEngineScript script;
    script.setName(QString::fromLatin1(each.name));
    script.setInjectionPoint(each.point);
    script.setWorldId(each.world);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(each.source);
    page->scripts().insert(script);
  }
}

void PageDocuments::onReport(const QString& kind, const QString& key, const QString& address) {
  const DocumentMarkers::Report report =
      markers_.read(kind.toStdString(), key.toStdString(), address.toStdString());
  switch (report.kind) {
    case DocumentMarkers::Kind::Created:
      Q_EMIT created(QUrl(QString::fromStdString(report.address)));
      break;
    case DocumentMarkers::Kind::Parsed:
      Q_EMIT parsed();
      break;
    case DocumentMarkers::Kind::Loaded:
      Q_EMIT loaded(QUrl(QString::fromStdString(report.address)));
      break;
    case DocumentMarkers::Kind::Input:
      Q_EMIT userActed();
      break;
    case DocumentMarkers::Kind::None:
      break;
  }
}

bool PageDocuments::showsDocument(const QString& key, const QUrl& initiator) const {
  return markers_.isShowing(key.toStdString(), initiator.toString().toStdString());
}

}  // namespace corvane
