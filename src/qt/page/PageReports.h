#pragma once

#include <QObject>
#include <QString>

class QWebEnginePage;

namespace corvane {

// The channel over which a page's documents report their moments (DocumentMarkers): a web
// channel bound to a script world of its own, so that only Corvane's scripts in that world can
// reach it; the page's own world has no way to it.
class PageReports : public QObject {
  Q_OBJECT
 public:
  // The world the reporting scripts run in.
  static const quint32 kWorld;

  // Binds the channel to `page`'s reporting world.
  explicit PageReports(QWebEnginePage* page);

  // The script function (kind, key, address) that hands a report over; it needs no answer, so a
  // report leaves at once, even while the page's world waits for its dialog.
  QString sendFunction() const;

  Q_INVOKABLE void report(const QString& kind, const QString& key, const QString& address);

 Q_SIGNALS:
  void reported(const QString& kind, const QString& key, const QString& address);
};

}  // namespace corvane
