// What the engine asks of a browser, in the real main window: a certificate that cannot be
// trusted and a killed page.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>
#include <memory>

#include "LoopbackHttpServer.h"
#include "ModalDialogs.h"
#include "TestProgram.h"
#include "qt/frmbrowser.h"

namespace {

// A loopback HTTPS server with a self-signed certificate made for the run; it prints its port,
// then each request's path.
const char kHttpsServer[] = R"(
import http.server, ssl, sys
class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        print(self.path, flush=True)
        body = b'<html><head><title>Secret</title></head><body>Secret</body></html>'
        self.send_response(200)
        self.send_header('Content-Type', 'text/html')
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(('127.0.0.1', 0), Handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(sys.argv[1], sys.argv[2])
server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
)";

}  // namespace

class EngineTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void untrustedCertificateIsRefusedByDefault();
  void killedPageSaysSoAndReloadsAlone();

 private:
  QComboBox* box(int n) const { return TestProgram::box(window_, n); }
  QLabel* status(int n) const { return TestProgram::status(window_, n); }
  QWebEngineView* view(int n) const { return TestProgram::view(window_, n); }
  QString url(const char* path) const { return server_.url(QString::fromLatin1(path)).toString(); }
  // Types the address into the pane's box and presses Enter.
  void enter(int n, const QString& address) {
    box(n)->lineEdit()->clear();
    box(n)->setFocus();
    QTest::keyClicks(box(n), address);
    QTest::keyClick(box(n), Qt::Key_Return);
  }
  bool shows(int n, const QString& address, const QString& title) {
    return TestProgram::waitUntil(
        [&] {
          return box(n)->currentText() == address &&
                 status(n)->text() == QStringLiteral("Page Title: ") + title;
        },
        20000);
  }
  static QVariant run(QWebEngineView* view, const QString& script) {
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
      result = value;
      done = true;
    });
    TestProgram::waitUntil([&] { return done; });
    return result;
  }

  LoopbackHttpServer server_;
  std::unique_ptr<TestProgram> program_;
  corvane::frmbrowser* window_ = nullptr;
};

void EngineTest::initTestCase() {
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/a.html"), QStringLiteral("Page A"));
  server_.addPage(QStringLiteral("/b.html"), QStringLiteral("Page B"));
  program_ = std::make_unique<TestProgram>();
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  const QString top = QUrl::fromLocalFile(program_->filePath(QStringLiteral("cv.html"))).toString();
  QVERIFY(TestProgram::waitForPage(status(1), box(1), top));
  const QString bottom =
      QUrl::fromLocalFile(program_->filePath(QStringLiteral("CVguide.html"))).toString();
  QVERIFY(TestProgram::waitForPage(status(2), box(2), bottom));
}

void EngineTest::cleanupTestCase() { program_.reset(); }

void EngineTest::untrustedCertificateIsRefusedByDefault() {
  QTemporaryDir keys;
  const QString cert = keys.filePath(QStringLiteral("cert.pem"));
  const QString key = keys.filePath(QStringLiteral("key.pem"));
  QProcess openssl;
  openssl.start(QStringLiteral("openssl"),
                {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                 QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                 QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                 QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert});
  QVERIFY(openssl.waitForFinished());
  QCOMPARE(openssl.exitCode(), 0);
  QProcess https;
  https.start(QStringLiteral("python3"),
              {QStringLiteral("-c"), QString::fromLatin1(kHttpsServer), cert, key});
  QVERIFY(TestProgram::waitUntil([&] { return https.canReadLine(); }));
  const QString port = QString::fromLatin1(https.readLine().trimmed());
  const QString address = QStringLiteral("https://127.0.0.1:%1/secret.html").arg(port);

  QString question;
  QString defaultAnswer;
  whenModal<QMessageBox>(QStringLiteral("CertificateError"), [&](QMessageBox* box) {
    question = box->text();
    defaultAnswer = box->defaultButton()->text();
    QTest::keyClick(box, Qt::Key_Return);
  });
  enter(2, address);
  QVERIFY(TestProgram::waitUntil([&] { return !question.isEmpty(); }));
  QVERIFY(question.startsWith(QStringLiteral("The identity of 127.0.0.1 cannot be verified")));
  QCOMPARE(defaultAnswer, QStringLiteral("&Go Back"));
  // Going back ends the load; had it gone on, it would have ended only with the page's answer,
  // which the server sends after printing the request.
  QVERIFY(TestProgram::waitUntil([&] { return !view(2)->page()->isLoading(); }));
  https.waitForReadyRead(0);  // whatever the pipe holds by now
  QVERIFY(https.readAll().isEmpty());
  QVERIFY(status(2)->text() != QStringLiteral("Page Title: Secret"));
  https.kill();
  https.waitForFinished();
}

void EngineTest::killedPageSaysSoAndReloadsAlone() {
  // Different sites, so that the panes' pages have renderers of their own.
  QString top = url("/a.html");
  top.replace(QStringLiteral("127.0.0.1"), QStringLiteral("localhost"));
  enter(1, top);
  QVERIFY(shows(1, top, QStringLiteral("Page A")));
  enter(2, url("/b.html"));
  QVERIFY(shows(2, url("/b.html"), QStringLiteral("Page B")));
  const qint64 pid = view(1)->page()->renderProcessPid();
  const qint64 otherPid = view(2)->page()->renderProcessPid();
  QVERIFY(pid > 0 && pid != otherPid);

  QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
  auto* notice = window_->findChild<QWidget*>(QStringLiteral("brwWebBrowser1CrashNotice"));
  QVERIFY(TestProgram::waitUntil([&] {
    notice = window_->findChild<QWidget*>(QStringLiteral("brwWebBrowser1CrashNotice"));
    return notice && notice->isVisible();
  }));
  QCOMPARE(notice->findChild<QLabel*>()->text(),
           QStringLiteral("The page %1 was stopped by the system and cannot be shown. Reload it "
                          "to try again.")
               .arg(top));
  QVERIFY(!window_->findChild<QWidget*>(QStringLiteral("brwWebBrowser2CrashNotice")));
  QCOMPARE(run(view(2), QStringLiteral("document.title")).toString(), QStringLiteral("Page B"));

  const int requests = server_.requestCount(QStringLiteral("/a.html"));
  QTest::mouseClick(notice->findChild<QPushButton*>(), Qt::LeftButton);
  QVERIFY(TestProgram::waitUntil(
      [&] { return server_.requestCount(QStringLiteral("/a.html")) == requests + 1; }));
  QVERIFY(TestProgram::waitUntil([&] {
    return run(view(1), QStringLiteral("document.title")).toString() == QStringLiteral("Page A");
  }));
  QVERIFY(!notice->isVisible());
}

QTEST_MAIN(EngineTest)
#include "tst_engine.moc"
