#include "qt/DocumentMarkers.h"

#include <QRandomGenerator>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace corvane {

DocumentMarkers::DocumentMarkers(QWebEnginePage* page) : QObject(page) {
  QRandomGenerator* random = QRandomGenerator::system();
  const QString token =
      QString::number(random->generate64(), 36) + QString::number(random->generate64(), 36);
  createdMessage_ = token + QStringLiteral(" created");
  parsedMessage_ = token + QStringLiteral(" parsed");
  loadedMessage_ = token + QStringLiteral(" loaded");
  // The load listener is added before any of the page's own, so the page cannot keep it from
  // hearing the event.
  const QString created =
      QStringLiteral(
          "console.log('%1');"
          "window.addEventListener('load', function () { console.log('%2'); });")
          .arg(createdMessage_, loadedMessage_);
  const QString parsed = QStringLiteral("console.log('%1');").arg(parsedMessage_);
  const struct {
    const char* name;
    QWebEngineScript::InjectionPoint point;
    const QString& source;
  } markers[] = {
      {"corvane-document-created", QWebEngineScript::DocumentCreation, created},
      {"corvane-document-parsed", QWebEngineScript::DocumentReady, parsed},
  };
  for (const auto& marker : markers) {
    QWebEngineScript script;
    script.setName(QString::fromLatin1(marker.name));
    script.setInjectionPoint(marker.point);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(marker.source);
    page->scripts().insert(script);
  }
}

bool DocumentMarkers::take(const QString& message) {
  if (message == createdMessage_) {
    Q_EMIT mainDocumentCreated();
  } else if (message == parsedMessage_) {
    Q_EMIT mainDocumentParsed();
  } else if (message == loadedMessage_) {
    Q_EMIT mainDocumentLoaded();
  } else {
    return false;
  }
  return true;
}

}  // namespace corvane
