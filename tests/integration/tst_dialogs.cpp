// The tip of the day, the about box and the Tools and Help menus on the real window and engine.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QNetworkProxy>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "LoopbackHttpServer.h"
#include "TestProgram.h"
#include "Version.h"
#include "qt/EngineProfile.h"
#include "qt/ExecutableName.h"
#include "qt/QtSettingsStore.h"
#include "qt/frmbrowser.h"

using corvane::frmbrowser;

class DialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void firstRunShowsATipAndClosingTheMainWindowClosesIt();
  void tipsSwitchedOffStayAwayUntilTheHelpMenuAsks();
  void aboutLinkShowsTheSiteInTheTopPaneAlone();
  void contentsOpensTheGuideInTheTopPaneAlone();
  void internetOptionsApplyAtOnceAndAtTheNextStart();

 private:
  LoopbackHttpServer server_;
};

namespace {

const char kSection[] = "Options";
const char kKey[] = "Show Tips at Startup";

std::string appName() { return corvane::executableName().toStdString(); }

std::string storedTipChoice(const TestProgram& program) {
  corvane::QtSettingsStore store(program.folders().userConfig);
  return store.GetSetting(appName(), kSection, kKey, "absent");
}

template <typename T>
T* visibleTopLevel(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
      return qobject_cast<T*>(widget);
    }
  }
  return nullptr;
}

void choose(frmbrowser* window, const char* itemName) {
  auto* action = window->menuBar()->findChild<QAction*>(QString::fromLatin1(itemName));
  QVERIFY2(action, itemName);
  action->trigger();
}

// Answers the next message box with its default button and hands back its text.
void answerNextMessageBox(QString* text) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    *text = box->text();
    poll->deleteLater();
    box->defaultButton()->click();
  });
  poll->start(10);
}

QStringList tipsShipped(const TestProgram& program) {
  QStringList tips;
  for (const QString& line : QString::fromUtf8(program.readFile(QStringLiteral("TIPOFDAY.TXT")))
                                 .split(QStringLiteral("\r\n"))) {
    if (!line.isEmpty()) tips << line;
  }
  return tips;
}

}  // namespace

void DialogsTest::initTestCase() {
  // The product's web site is served here: the engine reaches every address that is not on this
  // machine through this server, as through a proxy.
  QVERIFY(server_.start());
  QNetworkProxy::setApplicationProxy(
      QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), server_.url({}).port()));
}

void DialogsTest::firstRunShowsATipAndClosingTheMainWindowClosesIt() {
  TestProgram program;
  frmbrowser* window = program.startMainWindow();
  QVERIFY(window);
  auto* tip = visibleTopLevel<QDialog>("frmTip");
  QVERIFY(tip);
  QCOMPARE(tip->windowTitle(), QStringLiteral("Corvane's Tip of the Day"));
  QVERIFY(tip->findChild<QCheckBox*>(QStringLiteral("chkLoadTipsAtStartup"))->isChecked());
  QCOMPARE(storedTipChoice(program), std::string("1"));
  auto* label = tip->findChild<QLabel*>(QStringLiteral("lblTipText"));
  const QStringList tips = tipsShipped(program);
  QVERIFY(tips.contains(label->text()));
  QTest::mouseClick(tip->findChild<QPushButton*>(QStringLiteral("cmdNextTip")), Qt::LeftButton);
  QVERIFY(tips.contains(label->text()));

  choose(window, "mnuHelp(4)");
  QVERIFY(visibleTopLevel<QDialog>("frmAbout"));
  window->close();
  QVERIFY(TestProgram::waitUntil(
      [] { return !visibleTopLevel<QDialog>("frmTip") && !visibleTopLevel<QDialog>("frmAbout"); }));
}

void DialogsTest::tipsSwitchedOffStayAwayUntilTheHelpMenuAsks() {
  TestProgram program;
  corvane::QtSettingsStore(program.folders().userConfig)
      .SaveSetting(appName(), kSection, kKey, "0");
  frmbrowser* window = program.startMainWindow();
  QVERIFY(window);
  TestProgram::waitUntil([] { return false; }, 300);
  QVERIFY(!visibleTopLevel<QDialog>("frmTip"));
  QCOMPARE(storedTipChoice(program), std::string("0"));

  choose(window, "mnuHelp(1)");
  auto* tip = visibleTopLevel<QDialog>("frmTip");
  QVERIFY(tip);
  auto* box = tip->findChild<QCheckBox*>(QStringLiteral("chkLoadTipsAtStartup"));
  QVERIFY(box->isChecked());
  QCOMPARE(storedTipChoice(program), std::string("1"));

  // Unchecking stores at once; the window stays, and asking again only brings it forward.
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
  QVERIFY(!box->isChecked());
  QCOMPARE(storedTipChoice(program), std::string("0"));
  const QString shown = tip->findChild<QLabel*>(QStringLiteral("lblTipText"))->text();
  choose(window, "mnuHelp(1)");
  QCOMPARE(visibleTopLevel<QDialog>("frmTip"), tip);
  QCOMPARE(tip->findChild<QLabel*>(QStringLiteral("lblTipText"))->text(), shown);
  // Esc is OK's.
  QTest::keyClick(tip, Qt::Key_Escape);
  QVERIFY(TestProgram::waitUntil([] { return !visibleTopLevel<QDialog>("frmTip"); }));
}

void DialogsTest::aboutLinkShowsTheSiteInTheTopPaneAlone() {
  const QString root = QString::fromLatin1(corvane::kSiteBase) + QLatin1Char('/');
  const QString host = QUrl(root).host();
  if (host == QLatin1String("127.0.0.1") || host == QLatin1String("localhost")) {
    QSKIP("the site is built to be on this machine, where no proxy stands in for it");
  }
  server_.addPage(root, QStringLiteral("Corvane web site"));
  TestProgram program;
  corvane::QtSettingsStore(program.folders().userConfig)
      .SaveSetting(appName(), kSection, kKey, "0");
  frmbrowser* window = program.startMainWindow();
  QVERIFY(window);
  choose(window, "mnuHelp(4)");
  auto* about = visibleTopLevel<QDialog>("frmAbout");
  QVERIFY(about);
  QCOMPARE(about->windowTitle(), QStringLiteral("About Corvane"));
  QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
           QStringLiteral("Version 2.0"));
  QCOMPARE(about->findChild<QWidget*>(QStringLiteral("lblURL"))->cursor().shape(),
           Qt::PointingHandCursor);

  QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("lblURL")), Qt::LeftButton);
  auto* box1 = window->findChild<QComboBox*>(QStringLiteral("cboAddress1"));
  QVERIFY(
      TestProgram::waitForPage(window->findChild<QLabel*>(QStringLiteral("Label1")), box1, root));
  QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
           QStringLiteral("Page Title: Corvane web site"));
  QVERIFY(server_.requestCount(root) >= 1);
  QVERIFY(!window->findChild<QWebEngineView*>(QStringLiteral("brwWebBrowser2"))->isVisible());
  QVERIFY(window->findChild<QWebEngineView*>(QStringLiteral("brwWebBrowser1"))->isVisible());
  QVERIFY(about->isVisible());
  // A second About only brings the open box forward.
  choose(window, "mnuHelp(4)");
  QCOMPARE(visibleTopLevel<QDialog>("frmAbout"), about);
  QTest::keyClick(about, Qt::Key_Return);
  QVERIFY(TestProgram::waitUntil([] { return !visibleTopLevel<QDialog>("frmAbout"); }));
}

void DialogsTest::contentsOpensTheGuideInTheTopPaneAlone() {
  TestProgram program;
  frmbrowser* window = program.startMainWindow();
  QVERIFY(window);
  auto* contents = window->menuBar()->findChild<QAction*>(QStringLiteral("mnuHelp(0)"));
  QCOMPARE(contents->shortcut(), QKeySequence(Qt::Key_F1));
  auto* box1 = window->findChild<QComboBox*>(QStringLiteral("cboAddress1"));
  auto* label1 = window->findChild<QLabel*>(QStringLiteral("Label1"));
  const QString guide = program.filePath(QStringLiteral("CVguide.html"));
  // The top pane starts on its own page, not the guide.
  QVERIFY(TestProgram::waitForPage(
      label1, box1, QUrl::fromLocalFile(program.filePath(QStringLiteral("cv.html"))).toString()));
  contents->trigger();
  QCOMPARE(label1->text(), QStringLiteral("Going to ") + guide);
  QVERIFY(TestProgram::waitForPage(label1, box1, QUrl::fromLocalFile(guide).toString()));
  QVERIFY(!window->findChild<QWebEngineView*>(QStringLiteral("brwWebBrowser2"))->isVisible());
}

void DialogsTest::internetOptionsApplyAtOnceAndAtTheNextStart() {
  TestProgram program;
  corvane::QtSettingsStore(program.folders().userConfig)
      .SaveSetting(appName(), kSection, kKey, "0");
  frmbrowser* window = program.startMainWindow();
  QVERIFY(window);

  QString notice;
  answerNextMessageBox(&notice);
  choose(window, "mnuOptions");
  QCOMPARE(notice, QStringLiteral("The browser options that you are about to use, are for "
                                  "Corvane and Internet Explorer."));
  auto* options = visibleTopLevel<QDialog>("frmInternetOptions");
  QVERIFY(options);
  auto* javaScript = options->findChild<QCheckBox*>(QStringLiteral("chkJavaScript"));
  QVERIFY(javaScript->isChecked());
  javaScript->setChecked(false);
  options->findChild<QCheckBox*>(QStringLiteral("chkThirdPartyCookies"))->setChecked(false);
  auto* buttons = options->findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
  QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
  QVERIFY(TestProgram::waitUntil([] { return !visibleTopLevel<QDialog>("frmInternetOptions"); }));

  // At once, on the profile both panes share.
  for (const char* name : {"brwWebBrowser1", "brwWebBrowser2"}) {
    QWebEngineProfile* profile =
        window->findChild<QWebEngineView*>(QString::fromLatin1(name))->page()->profile();
    QVERIFY(!profile->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));
  }
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
