#include "qt/page/ReaderExtraction.h"

#include <QFile>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <optional>
#include <string>

#include "qt/platform/Resources.h"
#include "reader/ReaderArticleParser.h"
#include "reader/ReaderScript.h"

namespace corvane {

namespace {

// The reader's own script world: nothing else of Corvane's runs there, and the page's scripts
// never can.
constexpr quint32 kReaderWorld = QWebEngineScript::UserWorld;

std::string resource(const char* name) {
  QFile file(QStringLiteral(":/reader/") + QLatin1String(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

}  // namespace

ReaderExtraction::ReaderExtraction(QWebEnginePage* page, const ReaderLimits& limits)
    : QObject(page), page_(page), limits_(limits) {
  initResources();
  script_ = QString::fromStdString(readerScript(resource("Readability.js"),
                                                resource("Readability-readerable.js"),
                                                resource("extract-article.js"), limits_));
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, &ReaderExtraction::giveUp);
  if (!page) return;
  // An answer that comes after the page has begun to replace its document, or from a renderer
  // that has gone, is not the article of what the pane shows.
  connect(page, &QWebEnginePage::loadStarted, this, &ReaderExtraction::documentGone);
  connect(page, &QWebEnginePage::renderProcessTerminated, this, &ReaderExtraction::documentGone);
}

void ReaderExtraction::start() {
  cancel();
  running_ = true;
  const int request = ++request_;
  if (!page_) {
    deadline_.start(0);
    return;
  }
  deadline_.start(limits_.deadlineMs);
  QPointer<ReaderExtraction> self(this);
  page_->runJavaScript(script_, kReaderWorld, [self, request](const QVariant& result) {
    if (self) self->answered(request, result);
  });
}

void ReaderExtraction::cancel() {
  running_ = false;
  deadline_.stop();
}

void ReaderExtraction::documentGone() {
  if (running_) giveUp();
}

void ReaderExtraction::giveUp() {
  cancel();
  Q_EMIT notAvailable();
}

void ReaderExtraction::answered(int request, const QVariant& result) {
  if (!running_ || request != request_) return;
  cancel();
  std::optional<ReaderArticle> article;
  if (result.typeId() == QMetaType::QString) {
    article = ReaderArticleParser::parse(result.toString().toStdString(), limits_);
  }
  if (article) {
    Q_EMIT articleReady(*article);
  } else {
    Q_EMIT notAvailable();
  }
}

}  // namespace corvane
