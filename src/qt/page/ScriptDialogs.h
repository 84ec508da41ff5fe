#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

#include "browser/PageDialogs.h"
#include "qt/page/DialogSheet.h"

class QWebEnginePage;
class QWebEngineView;

namespace corvane {

// A page's alerts, confirmations and prompts, and its leave-page question, as a sheet over its
// own pane (DialogSheet), never a window over the whole program; a page that asks too often may
// be stopped from asking more (PageDialogs). The same sheet carries Corvane's own question
// before one of the page's links leaves for another program (ExternalLinkOpener).
class ScriptDialogs : public QObject {
  Q_OBJECT
 public:
  explicit ScriptDialogs(QWebEnginePage* page);

  // A page's alert or question is up, waiting for its answer in an event loop of its own.
  bool inDialog() const { return inDialog_; }
  // The page has a new document: it may ask again, and what the one before asked is no longer
  // asked.
  void documentCreated();
  // The user sends the pane elsewhere: the dialog up is answered Cancel, and the page shows no
  // more while it is still there, so that nothing it asks holds the pane.
  void userLeft();

  // The engine's calls for the page's dialogs; each waits for the answer. The engine asks its
  // own leave-page question as a confirmation, which is answered later (leaveAnswered).
  void alert(const QUrl& origin, const QString& message);
  bool confirm(const QUrl& origin, const QString& message);
  bool prompt(const QUrl& origin, const QString& message, const QString& defaultValue,
              QString* result);
  // A dialog the page's document asked for over the dialog channel; `done` gets the answer,
  // none once the user has stopped the page's dialogs. Giving up `request` takes it back.
  void ask(DialogSheet::Kind kind, const QUrl& origin, const QString& message, const QString& value,
           std::function<void(std::optional<bool>, const QString&)> done, QObject* request);

  // Corvane's own question over the page, whether or not it may still show dialogs of its own:
  // may `address`, which `question` names, open in another program? False when it cannot ask.
  bool askOpenOutside(const QString& question, const QString& address,
                      std::function<void(bool)> answered);
  // The page now shows in `view`: the sheet goes with it.
  void followView(QWebEngineView* view);

 Q_SIGNALS:
  // The user answered the leave-page question, which kept the page for the time being: `leave`
  // lets the next attempt to leave it through unasked.
  void leaveAnswered(bool leave);

 private:
  // The sheet over the page's pane; null while the page has no pane.
  DialogSheet* sheet();
  // The sheet while the page may still show dialogs.
  DialogSheet* dialogSheet();
  bool mayLeave();
  bool run(DialogSheet::Kind kind, const QUrl& origin, const QString& message, QString* value);

  QWebEnginePage* page_;
  PageDialogs dialogs_;
  QPointer<DialogSheet> sheet_;
  bool inDialog_ = false;
  bool leaveAgreed_ = false;
  // The sheet up for a dialog the document showing asked for, if any.
  QPointer<DialogSheet> askedSheet_;
};

}  // namespace corvane
