// Start-up and shutdown of the real program in a temp program folder.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "TestProgram.h"
#include "qt/window/frmbrowser.h"

using corvane::frmbrowser;

class StartupTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void splashShowsVersionAndHandsOverAfterItsTimer();
};

namespace {
template <typename T>
T* child(QWidget* window, const char* name) {
  return window->findChild<T*>(QString::fromLatin1(name));
}

// What a user of the splash sees: when it is first drawn and when it closes (that the main window
// comes only after it is the end-to-end test's, that cv.ini is read only then the unit tests').
class SplashWatch : public QObject {
 public:
  explicit SplashWatch(QWidget* splash) {
    clock_.start();
    splash->installEventFilter(this);
  }
  double firstDrawnMs = -1;
  double closedMs = -1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const double now = double(clock_.nsecsElapsed()) / 1e6;
    if (event->type() == QEvent::Paint && firstDrawnMs < 0) firstDrawnMs = now;
    if (event->type() == QEvent::Close && closedMs < 0) closedMs = now;
    return QObject::eventFilter(watched, event);
  }

 private:
  QElapsedTimer clock_;
};
}  // namespace

void StartupTest::splashShowsVersionAndHandsOverAfterItsTimer() {
  TestProgram program;
  corvane::frmSplash* splash = program.splash();
  SplashWatch watch(splash);
  splash->show();
  QCOMPARE(child<QLabel>(splash, "lblVersion")->text(), QStringLiteral("Version 2.0"));

  QSignalSpy loaded(splash, &corvane::frmSplash::mainWindowLoaded);
  QVERIFY(loaded.wait(5000));
  QVERIFY(!splash->isVisible());
  // Two full seconds from its first drawing, the main window made meanwhile.
  QVERIFY(watch.firstDrawnMs >= 0);
  QVERIFY2(watch.closedMs - watch.firstDrawnMs >= 1999.0,
           qPrintable(QStringLiteral("closed %1 ms after it was first drawn")
                          .arg(watch.closedMs - watch.firstDrawnMs)));
  frmbrowser* window = splash->mainWindow();
  QVERIFY(window);
  QVERIFY(window->isVisible());
  // The toolbar buttons' names and states are read end to end; that they are flat only shows.
  for (const char* name : {"tbToolBar1", "tbToolBar2"}) {
    const QList<QToolButton*> buttons = child<QWidget>(window, name)->findChildren<QToolButton*>();
    QCOMPARE(buttons.size(), 8);
    for (QToolButton* button : buttons) {
      QVERIFY2(button->autoRaise(), qPrintable(button->objectName()));
    }
  }
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
