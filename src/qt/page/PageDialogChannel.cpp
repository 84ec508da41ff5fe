#include "qt/page/PageDialogChannel.h"

#include <QBuffer>
#include <QTimer>
#include <QUrlQuery>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "browser/DocumentMarkers.h"
#include "browser/ExternalLink.h"
#include "qt/page/BrowserPage.h"
#include "qt/page/DialogSheet.h"

namespace corvane {

namespace {
// How long a request waits for its document's report before it is refused.
constexpr int kReportWaitMs = 1000;
// Requests that wait at once; more are refused at once.
constexpr int kMostWaiting = 16;
}  // namespace

PageDialogChannel::PageDialogChannel(QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), giveUp_(new QTimer(this)) {
  giveUp_->setSingleShot(true);
  giveUp_->setInterval(kReportWaitMs);
  connect(giveUp_, &QTimer::timeout, this, &PageDialogChannel::refuseWaiting);
}

QByteArray PageDialogChannel::scheme() { return QByteArray(ExternalLink::kDialogScheme); }

void PageDialogChannel::registerScheme() {
  // Once: the program registers it as the engine loads, a program that links the engine itself
  // before its application, and a scheme registered twice is warned about.
  static bool registered = false;
  if (registered) return;
  registered = true;
  QWebEngineUrlScheme entry(scheme());
  entry.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  // Asked from pages of any site, secure or not, whatever their content policy.
  entry.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled |
                 QWebEngineUrlScheme::ContentSecurityPolicyIgnored);
  QWebEngineUrlScheme::registerScheme(entry);
}

QString PageDialogChannel::pageScript() {
  // The document's key comes from the reporting world before any script of the page runs.
  // Where the request fails (no key, a page's own rules), the engine's own dialog stands in.
  // The answer is "1" for OK followed by the prompt's text, or "0"; "stop" once the user has
  // stopped the page's dialogs, which ends the page's script there, and so a loop.
  return QStringLiteral(
             "(function () {"
             "  var own = { alert: window.alert, confirm: window.confirm, prompt: window.prompt };"
             "  var Request = XMLHttpRequest, key = null;"
             "  function take(e) {"
             "    if (key !== null || typeof e.detail !== 'string') return;"
             "    key = e.detail; e.preventDefault();"
             "    document.removeEventListener('%3', take);"
             "  }"
             "  document.addEventListener('%3', take);"
             "  document.dispatchEvent(new CustomEvent('%2'));"
             "  function ask(kind, message, value) {"
             "    if (key === null) return null;"
             "    try {"
             "      var request = new Request();"
             "      request.open('GET', '%1:' + key + '/' + kind + '?m=' +"
             "          encodeURIComponent(String(message)) + '&v=' +"
             "          encodeURIComponent(String(value)), false);"
             "      request.send();"
             "      if (request.status !== 200) return null;"
             "    } catch (e) { return null; }"
             "    if (request.responseText === 'stop')"
             "      throw new Error('The user has stopped the dialogs of this page.');"
             "    return request.responseText;"
             "  }"
             "  function text(value) { return value === undefined ? '' : value; }"
             "  window.alert = function (message) {"
             "    if (ask('alert', text(message), '') === null) own.alert.call(window, message); };"
             "  window.confirm = function (message) {"
             "    var answer = ask('confirm', text(message), '');"
             "    return answer === null ? own.confirm.call(window, message) : answer === '1'; };"
             "  window.prompt = function (message, value) {"
             "    var answer = ask('prompt', text(message), text(value));"
             "    if (answer === null) return own.prompt.call(window, message, value);"
             "    return answer.charAt(0) === '1' ? answer.slice(1) : null; };"
             "})();")
      .arg(QString::fromLatin1(scheme()), QString::fromLatin1(DocumentMarkers::kKeyRequestEvent),
           QString::fromLatin1(DocumentMarkers::kKeyEvent));
}

void PageDialogChannel::add(BrowserPage* page) {
  pages_.removeAll(nullptr);
  pages_.append(page);
}

void PageDialogChannel::documentCreated() {
  waiting_.removeAll(nullptr);
  const QList<QPointer<QWebEngineUrlRequestJob>> waiting = std::exchange(waiting_, {});
  for (const QPointer<QWebEngineUrlRequestJob>& job : waiting) {
    if (job && !route(job)) waiting_.append(job);
  }
}

void PageDialogChannel::refuseWaiting() {
  for (const QPointer<QWebEngineUrlRequestJob>& job : std::exchange(waiting_, {})) {
    if (job) job->fail(QWebEngineUrlRequestJob::RequestDenied);
  }
}

void PageDialogChannel::requestStarted(QWebEngineUrlRequestJob* job) {
  if (job->requestMethod() != QByteArrayLiteral("GET")) {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  if (route(job)) return;
  waiting_.removeAll(nullptr);
  if (waiting_.size() >= kMostWaiting) {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  waiting_.append(job);
  if (!giveUp_->isActive()) giveUp_->start();
}

bool PageDialogChannel::route(QWebEngineUrlRequestJob* job) {
  const QString path = job->requestUrl().path();
  const QString key = path.section(QLatin1Char('/'), 0, 0);
  const QString kindName = path.section(QLatin1Char('/'), 1, 1);
  BrowserPage* page = nullptr;
  for (const QPointer<BrowserPage>& each : pages_) {
    if (each && each->showsDocument(key, job->initiator())) page = each;
  }
  if (!page) return false;
  const DialogSheet::Kind kind = kindName == QLatin1String("confirm")  ? DialogSheet::Kind::Confirm
                                 : kindName == QLatin1String("prompt") ? DialogSheet::Kind::Prompt
                                                                       : DialogSheet::Kind::Alert;
  const QUrlQuery query(job->requestUrl());
  QPointer<QWebEngineUrlRequestJob> pending(job);
  page->askFromPage(
      kind, job->initiator(), query.queryItemValue(QStringLiteral("m"), QUrl::FullyDecoded),
      query.queryItemValue(QStringLiteral("v"), QUrl::FullyDecoded),
      [pending](std::optional<bool> accepted, const QString& value) {
        if (!pending) return;  // the page has gone on without it
        auto* answer = new QBuffer(pending);
        const QString text = !accepted   ? QStringLiteral("stop")
                             : *accepted ? QStringLiteral("1") + value
                                         : QStringLiteral("0");
        answer->setData(text.toUtf8());
        pending->reply(QByteArrayLiteral("text/plain"), answer);
      },
      job);
  return true;
}

}  // namespace corvane
