// The home pages window on the real window: what the end-to-end tests leave out (opening a
// favorite and the window's own rules are driven end to end and unit-tested).
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ModalDialogs.h"
#include "TestProgram.h"
#include "qt/frmbrowser.h"

class FavoritesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void theHomePagesWindowOutlivesTheMainWindow();
};

void FavoritesTest::theHomePagesWindowOutlivesTheMainWindow() {
  TestProgram program;
  corvane::frmbrowser* window = program.startMainWindow();
  QVERIFY(window);
  QAction* homePages = nullptr;
  for (QAction* a : window->findChildren<QAction*>()) {
    if (a->text() == QStringLiteral("Enter Offline/Online Home Pages")) homePages = a;
  }
  QVERIFY(homePages);
  homePages->trigger();
  QWidget* open = visibleTopLevel("frmHomePageFav");
  QVERIFY(open);

  // Closing the main window leaves an open Home Pages window open, and the program runs on until
  // that one is closed too.
  auto* cancel = open->findChild<QPushButton*>(QStringLiteral("cmdCancel"));
  bool openAfterMainClosed = false;
  QObject context;
  QTimer::singleShot(0, &context, [&] {
    window->close();
    QTimer::singleShot(200, &context, [&] {
      openAfterMainClosed = open->isVisible();
      cancel->click();
    });
  });
  QTimer::singleShot(10000, &context, [] { QApplication::exit(1); });
  const int code = QApplication::exec();
  QVERIFY(openAfterMainClosed);
  QCOMPARE(code, 0);  // ended by the last window closing, not by the deadline
}

QTEST_MAIN(FavoritesTest)
#include "tst_favorites.moc"
