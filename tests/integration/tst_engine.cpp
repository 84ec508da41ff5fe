// A page the system has killed, in the real main window: its pane says so and reloads it alone;
// the other pane's page, in a renderer of its own, stays.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>
#include <memory>

#include "LoopbackHttpServer.h"
#include "TestProgram.h"
#include "qt/frmbrowser.h"

class EngineTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
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
