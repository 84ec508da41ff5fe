#include "qt/page/PageReports.h"

#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace corvane {

namespace {
const char kObject[] = "reports";
// The channel's message that calls a method of a published object.
constexpr int kInvokeMethod = 6;
}  // namespace

const quint32 PageReports::kWorld = QWebEngineScript::UserWorld + 1;

PageReports::PageReports(QWebEnginePage* page) : QObject(page) {
  auto* channel = new QWebChannel(this);
  channel->registerObject(QString::fromLatin1(kObject), this);
  page->setWebChannel(channel, kWorld);
}

QString PageReports::sendFunction() const {
  // The channel's message written directly: the library's script would first wait for the
  // channel's description, an answer the page's world may hold up.
  const int method = metaObject()->indexOfMethod("report(QString,QString,QString)");
  return QStringLiteral(
             "function (kind, key, address) {"
             "  try {"
             "    qt.webChannelTransport.send(JSON.stringify({ type: %1, object: '%2',"
             "        method: %3, args: [kind, key, address], id: 0 }));"
             "  } catch (e) {}"
             "}")
      .arg(kInvokeMethod)
      .arg(QString::fromLatin1(kObject))
      .arg(method);
}

void PageReports::report(const QString& kind, const QString& key, const QString& address) {
  Q_EMIT reported(kind, key, address);
}

}  // namespace corvane
