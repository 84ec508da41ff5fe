#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace corvane {

// Hands a page's link to an address the engine cannot show (mailto:, tel:, ...) to the
// desktop's program for its scheme through xdg-open, once the user has agreed to the program
// the desktop names. One question at a time: links a page follows meanwhile are dropped.
class ExternalLinkOpener : public QObject {
  Q_OBJECT
 public:
  explicit ExternalLinkOpener(QObject* parent) : QObject(parent) {}

  // Shows `question`, which names `address`, where the link was followed and hands the user's
  // answer to `answered`; false when it cannot be shown.
  using Ask = std::function<bool(const QString& question, const QString& address,
                                 std::function<void(bool)> answered)>;

  // A link followed to `url`: true when it is taken from the engine. Corvane's own requests are
  // (they go nowhere), and so is another program's address, offered through `ask`; the engine
  // keeps the addresses it shows itself.
  bool takes(const QUrl& url, const Ask& ask);

  // Asks, through `ask`, whether to open `url` outside Corvane.
  void offer(const QUrl& url, Ask ask);

 private:
  void ask(const QUrl& url, const Ask& ask, const QString& program);

  bool busy_ = false;
};

}  // namespace corvane
