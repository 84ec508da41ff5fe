// The tip of the day and the about box on the real window: what the end-to-end tests leave out.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "ModalDialogs.h"
#include "TestProgram.h"
#include "qt/frmbrowser.h"

using corvane::frmbrowser;

class DialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void askingAgainOnlyBringsTheOpenWindowForward();
};

namespace {

void choose(frmbrowser* window, const char* itemName) {
  auto* action = window->menuBar()->findChild<QAction*>(QString::fromLatin1(itemName));
  QVERIFY2(action, itemName);
  action->trigger();
}

}  // namespace

void DialogsTest::askingAgainOnlyBringsTheOpenWindowForward() {
  TestProgram program;
  frmbrowser* window = program.startMainWindow();
  QVERIFY(window);
  auto* tip = visibleTopLevel<QDialog>("frmTip");  // a first run shows one
  QVERIFY(tip);
  const QString shown = tip->findChild<QLabel*>(QStringLiteral("lblTipText"))->text();
  choose(window, "mnuHelp(1)");
  QCOMPARE(visibleTopLevel<QDialog>("frmTip"), tip);
  QCOMPARE(tip->findChild<QLabel*>(QStringLiteral("lblTipText"))->text(), shown);

  choose(window, "mnuHelp(4)");
  auto* about = visibleTopLevel<QDialog>("frmAbout");
  QVERIFY(about);
  QCOMPARE(about->findChild<QWidget*>(QStringLiteral("lblURL"))->cursor().shape(),
           Qt::PointingHandCursor);
  choose(window, "mnuHelp(4)");
  QCOMPARE(visibleTopLevel<QDialog>("frmAbout"), about);

  // Both go with the main window.
  window->close();
  QVERIFY(TestProgram::waitUntil(
      [] { return !visibleTopLevel<QDialog>("frmTip") && !visibleTopLevel<QDialog>("frmAbout"); }));
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
