#pragma once

#include <QObject>
#include <QString>

class QWebEnginePage;

namespace corvane {

// Three moments of each main-frame document of a page that the engine has no reliable signal
// for: created, parsed and loaded. Scripts of its own, in a world the page's scripts cannot see,
// log a token at each; the token is drawn afresh for each page, so a page cannot forge the
// messages. They run whatever the page's script setting. The page hands its console messages
// to take(), which keeps the markers out of the console.
class DocumentMarkers : public QObject {
  Q_OBJECT
 public:
  explicit DocumentMarkers(QWebEnginePage* page);

  // True when `message` was one of the markers (its signal has been sent).
  bool take(const QString& message);

 Q_SIGNALS:
  // The main frame holds a new document: its navigation has committed. Error pages, a page
  // loaded again at the same address and source views count too.
  void mainDocumentCreated();
  // The main frame's document has been parsed; its title, if it has one, is known.
  void mainDocumentParsed();
  // The main frame's document has loaded, images and all (its load event).
  void mainDocumentLoaded();

 private:
  QString createdMessage_;
  QString parsedMessage_;
  QString loadedMessage_;
};

}  // namespace corvane
