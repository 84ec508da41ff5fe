#include "qt/PageDialogChannel.h"

#include <QBuffer>
#include <QUrlQuery>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "qt/BrowserPage.h"
#include "qt/DialogSheet.h"

namespace corvane {

QByteArray PageDialogChannel::scheme() { return QByteArrayLiteral("corvane-dialog"); }

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

QString PageDialogChannel::pageScript(const QString& token) {
  // Where the request fails (no such scheme, a page's own rules), the engine's own dialog
  // stands in. The answer is "1" for OK followed by the prompt's text, or "0"; "stop" once the
  // user has stopped the page's dialogs, which ends the page's script there, and so a loop.
  return QStringLiteral(
             "(function () {"
             "  var own = { alert: window.alert, confirm: window.confirm, prompt: window.prompt };"
             "  function ask(kind, message, value) {"
             "    try {"
             "      var request = new XMLHttpRequest();"
             "      request.open('GET', '%1:%2/' + kind + '?m=' +"
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
      .arg(QString::fromLatin1(scheme()), token);
}

void PageDialogChannel::add(const QString& token, BrowserPage* page) {
  pages_.removeIf([](const auto& entry) { return entry.value().isNull(); });
  pages_.insert(token, page);
}

void PageDialogChannel::requestStarted(QWebEngineUrlRequestJob* job) {
  const QString path = job->requestUrl().path();
  const QString token = path.section(QLatin1Char('/'), 0, 0);
  const QString kindName = path.section(QLatin1Char('/'), 1, 1);
  BrowserPage* page = pages_.value(token);
  const DialogSheet::Kind kind = kindName == QLatin1String("confirm")  ? DialogSheet::Kind::Confirm
                                 : kindName == QLatin1String("prompt") ? DialogSheet::Kind::Prompt
                                                                       : DialogSheet::Kind::Alert;
  if (!page || token.isEmpty()) {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
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
}

}  // namespace corvane
