#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include "browser/DocumentMarkers.h"

class QWebEnginePage;

namespace corvane {

class PageReports;

// The main-frame documents of a page, as scripts in a world of their own report three moments
// of each that the engine has no reliable signal for: created, parsed and loaded, and the user's
// own input in it (DocumentMarkers), heard over a channel the page's own scripts cannot reach
// (PageReports). Each document's key also lets it ask for its dialogs over its pane: the script
// that takes the key runs first in the page's own world. The scripts run whatever the page's
// script setting.
class PageDocuments : public QObject {
  Q_OBJECT
 public:
  explicit PageDocuments(QWebEnginePage* page);

  // Whether `key` is the key of the document showing, and `initiator` that document's origin.
  bool showsDocument(const QString& key, const QUrl& initiator) const;

 Q_SIGNALS:
  // The main frame holds a new document at `url`: its navigation has committed.
  void created(const QUrl& url);
  // The document has been parsed; its title, if it has one, is known.
  void parsed();
  // The document at `url` has loaded, images and all (its load event).
  void loaded(const QUrl& url);
  // The user clicked or typed in the document showing.
  void userActed();

 private:
  void addScripts(QWebEnginePage* page);
  void onReport(const QString& kind, const QString& key, const QString& address);

  PageReports* reports_;
  DocumentMarkers markers_;
};

}  // namespace corvane
