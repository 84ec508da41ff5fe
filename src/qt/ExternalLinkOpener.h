#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

class QMessageBox;
class QWidget;

namespace corvane {

// Hands a page's link to an address the engine cannot show (mailto:, tel:, ...) to the
// desktop's program for its scheme through xdg-open, once the user has agreed to the program
// the desktop names. One question at a time: links a page follows meanwhile are dropped.
class ExternalLinkOpener : public QObject {
  Q_OBJECT
 public:
  explicit ExternalLinkOpener(QObject* parent) : QObject(parent) {}

  // Asks over `window` whether to open `url` outside Corvane.
  void offer(const QUrl& url, QWidget* window);

 private:
  void ask(const QUrl& url, QWidget* window, const QString& program);

  bool busy_ = false;
};

}  // namespace corvane
