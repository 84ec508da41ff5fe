#include "qt/page/ScriptDialogs.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWebEnginePage>

#include <chrono>
#include <memory>
#include <utility>

#include "browser/EnginePrompts.h"
#include "qt/page/PageOverlay.h"

namespace corvane {

namespace {

// The engine's text of its leave-page question (QWebEnginePage's).
const char kLeaveQuestion[] =
    "Are you sure you want to leave this page? Changes that you made may not be saved.";

qint64 nowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

QString titleFor(const QUrl& origin) {
  return QString::fromStdString(EnginePrompts::dialogTitle(origin.host().toStdString()));
}

QString textOf(const QString& message) {
  return QString::fromStdString(EnginePrompts::pageMessage(message.toStdString()));
}

}  // namespace

ScriptDialogs::ScriptDialogs(QWebEnginePage* page) : QObject(page), page_(page) {}

void ScriptDialogs::documentCreated() {
  // "For the rest of the page's life": a new document may ask again.
  dialogs_ = PageDialogs();
  if (askedSheet_) askedSheet_->cancel();
}

void ScriptDialogs::userLeft() {
  dialogs_.userLeft();
  if (sheet_) sheet_->cancel();
}

DialogSheet* ScriptDialogs::sheet() {
  QWebEngineView* view = overlaidView(page_);
  if (!view) return nullptr;
  if (!sheet_) sheet_ = new DialogSheet(view);
  return sheet_;
}

DialogSheet* ScriptDialogs::dialogSheet() { return dialogs_.mayShow() ? sheet() : nullptr; }

bool ScriptDialogs::askOpenOutside(const QString& question, const QString& address,
                                   std::function<void(bool)> answered) {
  DialogSheet* sheet = this->sheet();
  return sheet &&
         sheet->open(
             DialogSheet::Kind::OpenOutside, tr("Open With Another Program"), question, QString(),
             false, [answered](const DialogSheet::Answer& answer) { answered(answer.accepted); },
             address);
}

void ScriptDialogs::followView(QWebEngineView* view) {
  if (sheet_) sheet_->moveTo(view);
}

void ScriptDialogs::ask(DialogSheet::Kind kind, const QUrl& origin, const QString& message,
                        const QString& value,
                        std::function<void(std::optional<bool>, const QString&)> done,
                        QObject* request) {
  DialogSheet* sheet = dialogSheet();
  if (!dialogs_.mayShow()) {
    done(std::nullopt, QString());
    return;
  }
  auto given = std::make_shared<QMetaObject::Connection>();
  QPointer<ScriptDialogs> self(this);
  const auto answered = [self, done, given](const DialogSheet::Answer& answer) {
    QObject::disconnect(*given);
    if (self) self->dialogs_.closed(nowMs(), answer.stopMore);
    done(answer.accepted, answer.value);
  };
  if (!sheet || !sheet->open(kind, titleFor(origin), textOf(message), value,
                             dialogs_.offersSuppress(nowMs()), answered)) {
    done(false, QString());
    return;
  }
  askedSheet_ = sheet;
  // A request the page gives up (it has gone to another document) takes its sheet along.
  *given = connect(request, &QObject::destroyed, sheet, &DialogSheet::cancel);
}

bool ScriptDialogs::run(DialogSheet::Kind kind, const QUrl& origin, const QString& message,
                        QString* value) {
  DialogSheet* sheet = dialogSheet();
  if (inDialog_ || !sheet) return false;
  QPointer<ScriptDialogs> alive(this);
  inDialog_ = true;
  const DialogSheet::Answer answer =
      sheet->ask(kind, titleFor(origin), textOf(message), value ? *value : QString(),
                 dialogs_.offersSuppress(nowMs()));
  if (!alive) return false;  // the page went while it waited
  inDialog_ = false;
  dialogs_.closed(nowMs(), answer.stopMore);
  if (value) *value = answer.value;
  return answer.accepted;
}

void ScriptDialogs::alert(const QUrl& origin, const QString& message) {
  run(DialogSheet::Kind::Alert, origin, message, nullptr);
}

bool ScriptDialogs::confirm(const QUrl& origin, const QString& message) {
  // The engine asks its leave-page question here too, in its own words.
  if (message == QCoreApplication::translate("QWebEnginePage", kLeaveQuestion)) return mayLeave();
  return run(DialogSheet::Kind::Confirm, origin, message, nullptr);
}

bool ScriptDialogs::prompt(const QUrl& origin, const QString& message, const QString& defaultValue,
                           QString* result) {
  QString value = defaultValue;
  const bool accepted = run(DialogSheet::Kind::Prompt, origin, message, &value);
  if (accepted && result) *result = value;
  return accepted;
}

bool ScriptDialogs::mayLeave() {
  // The engine waits for the answer and does no other work meanwhile, in any pane; so the page
  // stays for now, and the user's answer comes later: Leave lets the page go, Stay keeps it.
  if (std::exchange(leaveAgreed_, false) || !dialogs_.mayShow()) return true;
  DialogSheet* sheet = dialogSheet();
  QPointer<ScriptDialogs> self(this);
  const auto answered = [self](const DialogSheet::Answer& answer) {
    if (!self) return;
    self->dialogs_.closed(nowMs(), answer.stopMore);
    self->leaveAgreed_ = answer.accepted;
    Q_EMIT self->leaveAnswered(answer.accepted);
  };
  if (!sheet) return true;  // nowhere to ask
  if (!sheet->open(DialogSheet::Kind::Leave, tr("Leave this page?"),
                   QCoreApplication::translate("QWebEnginePage", kLeaveQuestion), QString(),
                   dialogs_.offersSuppress(nowMs()), answered)) {
    // Another question is up: the page stays, and its pane waits no longer.
    QTimer::singleShot(0, this, [this] { Q_EMIT leaveAnswered(false); });
  }
  return false;
}

}  // namespace corvane
