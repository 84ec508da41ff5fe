#include "LoopbackHttpServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QObject(parent) {
  connect(&server_, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
}

bool LoopbackHttpServer::start() { return server_.listen(QHostAddress::LocalHost, 0); }

QUrl LoopbackHttpServer::url(const QString& path) const {
  return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
}

void LoopbackHttpServer::addPage(const QString& path, const QString& title, const QString& body) {
  const QString html = QStringLiteral(
                           "<!DOCTYPE html><html><head><title>%1</title></head>"
                           "<body><h1>%1</h1>%2</body></html>")
                           .arg(title, body);
  addRaw(path, 200, "text/html; charset=utf-8", html.toUtf8());
}

void LoopbackHttpServer::addRaw(const QString& path, int status, const QByteArray& contentType,
                                const QByteArray& body, const QList<QByteArray>& extraHeaders) {
  routes_.insert(path, Response{status, contentType, body, extraHeaders});
}

void LoopbackHttpServer::onNewConnection() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    auto* buffer = new QByteArray;
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QObject::destroyed, this, [buffer] { delete buffer; });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
      if (buffer->contains("\r\n\r\n")) return;  // answered or being held back already
      buffer->append(socket->readAll());
      if (buffer->contains("\r\n\r\n")) respond(socket, *buffer);
    });
  }
}

void LoopbackHttpServer::respond(QTcpSocket* socket, const QByteArray& request) {
  const QList<QByteArray> parts = request.left(request.indexOf("\r\n")).split(' ');
  const QString path = parts.size() > 1 ? QString::fromUtf8(parts.at(1)) : QString();
  requests_[path] += 1;
  const int delay = delays_.value(path, 0);
  if (delay <= 0) {
    send(socket, path);
    return;
  }
  // A timer, not a sleep: the test's event loop, and the engine with it, keeps running. A
  // client that gives up meanwhile takes its socket, and so the answer, with it.
  QPointer<QTcpSocket> held(socket);
  QTimer::singleShot(delay, this, [this, held, path] {
    if (held && held->state() == QAbstractSocket::ConnectedState) send(held, path);
  });
}

void LoopbackHttpServer::send(QTcpSocket* socket, const QString& path) {
  const auto titled = [](const QByteArray& title) {
    return "<!DOCTYPE html><html><head><title>" + title + "</title></head><body>" + title +
           "</body></html>";
  };
  Response response{404, "text/html", titled("Not Found"), {}};
  if (routes_.contains(path)) {
    response = routes_.value(path);
  }
  responses_[path] += 1;
  QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
  head += "Content-Type: " + response.contentType + "\r\n";
  head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
  head += "Connection: close\r\nCache-Control: no-store\r\n";
  for (const QByteArray& header : response.headers) head += header + "\r\n";
  socket->write(head + "\r\n" + response.body);
  socket->disconnectFromHost();
}
