// The tip of the day, the about box and Internet Options on the real window and engine: what the
// end-to-end tests leave out.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "ModalDialogs.h"
#include "TestProgram.h"
#include "qt/EngineProfile.h"
#include "qt/ExecutableName.h"
#include "qt/QtSettingsStore.h"
#include "qt/frmbrowser.h"

using corvane::frmbrowser;

class DialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void askingAgainOnlyBringsTheOpenWindowForward();
  void internetOptionsAreStoredForTheNextStart();
};

namespace {

std::string appName() { return corvane::executableName().toStdString(); }

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

void DialogsTest::internetOptionsAreStoredForTheNextStart() {
  TestProgram program;
  corvane::QtSettingsStore(program.folders().userConfig)
      .SaveSetting(appName(), "Options", "Show Tips at Startup", "0");
  frmbrowser* window = program.startMainWindow();
  QVERIFY(window);

  whenModal<QMessageBox>({}, [](QMessageBox* box) { box->defaultButton()->click(); });
  choose(window, "mnuOptions");
  auto* options = visibleTopLevel<QDialog>("frmInternetOptions");
  QVERIFY(options);
  options->findChild<QCheckBox*>(QStringLiteral("chkJavaScript"))->setChecked(false);
  options->findChild<QCheckBox*>(QStringLiteral("chkThirdPartyCookies"))->setChecked(false);
  auto* buttons = options->findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
  QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
  QVERIFY(TestProgram::waitUntil([] { return !visibleTopLevel<QDialog>("frmInternetOptions"); }));

  corvane::QtSettingsStore store(program.folders().userConfig);
  QCOMPARE(store.GetSetting(appName(), "Internet Options", "JavaScript", ""), std::string("0"));
  QCOMPARE(store.GetSetting(appName(), "Internet Options", "Third-Party Cookies", ""),
           std::string("0"));
  // The next start's profile follows the stored choice from its first page.
  corvane::EngineProfile next(program.folders());
  QVERIFY(!next.profile()->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));
  QVERIFY(next.profile()->settings()->testAttribute(QWebEngineSettings::AutoLoadImages));
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
