// Closing the splash window before its timer: the run ends there. A test of its own, since it
// runs the application's event loop to its end.
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "TestProgram.h"
#include "qt/frmbrowser.h"

class SplashCloseTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void closingTheSplashEndsTheProgramWithoutAMainWindow();
};

void SplashCloseTest::closingTheSplashEndsTheProgramWithoutAMainWindow() {
  TestProgram program;
  corvane::frmSplash* splash = program.splash();
  splash->show();
  QTimer::singleShot(100, splash, &QWidget::close);  // as the window manager's close does
  // Well past the splash's two seconds: a main window would have come by then.
  QTimer fallback;
  fallback.setSingleShot(true);
  QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  fallback.start(3500);

  const int status = QApplication::exec();
  fallback.stop();
  QCOMPARE(status, 0);
  QVERIFY(!splash->mainWindow());
  QVERIFY(!QFile::exists(program.filePath(QStringLiteral("cv.ini"))));

  // The splash's timer went with it: still nothing once a precise timer of the same two seconds,
  // started after the splash's own, has fired (the splash's would have fired first).
  QTimer after;
  after.setSingleShot(true);
  after.setTimerType(Qt::PreciseTimer);
  after.start(2000);
  QVERIFY(TestProgram::waitUntil([&] { return !after.isActive(); }, 5000));
  QVERIFY(!splash->mainWindow());
  for (const QWidget* widget : QApplication::topLevelWidgets()) QVERIFY(!widget->isVisible());
}

QTEST_MAIN(SplashCloseTest)
#include "tst_splashclose.moc"
