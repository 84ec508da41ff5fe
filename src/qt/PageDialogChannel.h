#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWebEngineUrlSchemeHandler>

namespace corvane {

class BrowserPage;

// The way a page's alert, confirm and prompt reach its pane without holding up the rest of the
// program. The engine hands a page's dialog to the program as a call that must return the
// answer, and the engine does no other work until it has; so a script of each page's own
// replaces the three functions with a request that waits for its answer in the page alone, and
// this handler answers it once the user has. A page that gets around the script reaches the
// engine's call after all (BrowserPage).
class PageDialogChannel : public QWebEngineUrlSchemeHandler {
  Q_OBJECT
 public:
  explicit PageDialogChannel(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

  // The scheme of the requests; registered before the application starts.
  static QByteArray scheme();
  static void registerScheme();

  // The script that a page with this token runs first in each main-frame document.
  static QString pageScript(const QString& token);

  // The page whose script asks with this token.
  void add(const QString& token, BrowserPage* page);

  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  QHash<QString, QPointer<BrowserPage>> pages_;
};

}  // namespace corvane
