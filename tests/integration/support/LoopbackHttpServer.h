#pragma once

#include <QByteArray>
#include <QHash>
#include <QTcpServer>
#include <QUrl>

// A small HTTP/1.1 server on 127.0.0.1 for the integration tests: fixed routes, one response a
// connection. Unknown paths get 404 with a page of their own. A route may be held back for a
// while before it is answered; the server keeps serving others meanwhile.
class LoopbackHttpServer : public QObject {
  Q_OBJECT
 public:
  explicit LoopbackHttpServer(QObject* parent = nullptr);

  bool start();
  QUrl url(const QString& path) const;

  void addPage(const QString& path, const QString& title, const QString& body = QString());
  void addRaw(const QString& path, int status, const QByteArray& contentType,
              const QByteArray& body, const QList<QByteArray>& extraHeaders = {});

  // Answers `path` only `delayMs` after its request has arrived.
  void holdBack(const QString& path, int delayMs) { delays_.insert(path, delayMs); }

  int requestCount(const QString& path) const { return requests_.value(path); }
  // How many answers to `path` have gone out (a held-back one counts once it has).
  int responseCount(const QString& path) const { return responses_.value(path); }

 private:
  struct Response {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<QByteArray> headers;
  };
  void onNewConnection();
  void respond(QTcpSocket* socket, const QByteArray& request);
  void send(QTcpSocket* socket, const QString& path);

  QTcpServer server_;
  QHash<QString, Response> routes_;
  QHash<QString, int> delays_;
  QHash<QString, int> requests_;
  QHash<QString, int> responses_;
};
