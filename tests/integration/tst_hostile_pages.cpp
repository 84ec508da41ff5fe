// Pages that try to take the browser over: dialog loops, pop-up floods, download storms,
// links to other programs, endless loads, huge titles and script addresses. Whatever the top
// page does, the bottom pane still loads a page and the window still closes.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <memory>

#include "LoopbackHttpServer.h"
#include "ModalDialogs.h"
#include "TestProgram.h"
#include "browser/PopupBlocker.h"
#include "qt/ApplicationSetup.h"
#include "qt/frmbrowser.h"

class HostilePagesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void dialogsWaitInTheirPaneAndAPageCanBeStopped();
  void popupFloodIsBlockedAndCanBeLetThroughAFew();
  void downloadStormAsksFromTheSecondWithCleanNames();
  void linkToAnotherProgramAsksNamingIt();
  void endlessLoadHugeTitleAndScriptAddressesHoldNothingUp();
  void windowClosesWithADialogUp();

 private:
  QComboBox* box(int n) const {
    return window_->findChild<QComboBox*>(QStringLiteral("cboAddress") + QString::number(n));
  }
  QLabel* status(int n) const {
    return window_->findChild<QLabel*>(QStringLiteral("Label") + QString::number(n));
  }
  QWebEngineView* view(int n) const {
    return window_->findChild<QWebEngineView*>(QStringLiteral("brwWebBrowser") +
                                               QString::number(n));
  }
  // A strip or sheet over the top pane, by the end of its name, once shown.
  template <typename T = QWidget>
  T* over(const char* name) const {
    return window_->findChild<T*>(QStringLiteral("brwWebBrowser1") + QLatin1String(name));
  }
  bool shown(const char* name) const {
    auto* widget = over(name);
    return widget && widget->isVisible();
  }
  QString url(const char* path) const { return server_.url(QString::fromLatin1(path)).toString(); }
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
  // The bottom pane goes to a page of its own while the top one misbehaves.
  bool bottomStillLoads() {
    const QString path = QStringLiteral("/calm%1.html").arg(++visits_);
    server_.addPage(path, QStringLiteral("Calm"));
    const QString address = server_.url(path).toString();
    enter(2, address);
    return shows(2, address, QStringLiteral("Calm"));
  }
  void press(const char* name) { QTest::mouseClick(over<QPushButton>(name), Qt::LeftButton); }
  int popups() const {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      count += widget->objectName() == QLatin1String("PopupWindow") && widget->isVisible();
    }
    return count;
  }

  QTemporaryDir home_;
  LoopbackHttpServer server_;
  int visits_ = 0;
  std::unique_ptr<TestProgram> program_;
  corvane::frmbrowser* window_ = nullptr;
};

void HostilePagesTest::initTestCase() {
  QVERIFY(home_.isValid());
  qputenv("HOME", home_.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", QDir(home_.path()).filePath(QStringLiteral(".config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME",
          QDir(home_.path()).filePath(QStringLiteral(".local/share")).toLocal8Bit());
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/calm.html"), QStringLiteral("Calm"));
  server_.addPage(QStringLiteral("/dialogs.html"), QStringLiteral("Dialogs"),
                  QStringLiteral("<script>setTimeout(function () {"
                                 "  var sure = confirm('Sure?'); var name = prompt('Name?', 'x');"
                                 "  document.title = 'Got ' + sure + ' ' + name;"
                                 "  for (;;) alert('loop');"
                                 "}, 100);</script>"));
  server_.addPage(QStringLiteral("/flood.html"), QStringLiteral("Flood"),
                  QStringLiteral("<script>for (var i = 0; i < 50; i++) window.open("
                                 "'/calm.html?' + i, '_blank', 'width=200,height=150');</script>"));
  QByteArray bytes(1000, 'x');
  server_.addRaw(QStringLiteral("/file"), 200, "application/octet-stream", bytes,
                 {"Content-Disposition: attachment; filename=\"..a\x01"
                  "b\x1b[31mc.txt\""});
  server_.addPage(QStringLiteral("/storm.html"), QStringLiteral("Storm"),
                  QStringLiteral("<script>for (var i = 0; i < 5; i++) {"
                                 "  var a = document.createElement('a'); a.href = '/file?' + i;"
                                 "  a.download = ''; document.body.appendChild(a); a.click(); }"
                                 "</script>"));
  server_.addPage(QStringLiteral("/mail.html"), QStringLiteral("Mail"),
                  QStringLiteral("<script>location.href = 'mailto:ann@site.test';</script>"));
  server_.addPage(QStringLiteral("/endless.html"), QStringLiteral("Endless"));
  server_.holdBack(QStringLiteral("/endless.html"), 600000);
  server_.addPage(QStringLiteral("/title.html"), QString(100000, QLatin1Char('T')));
  server_.addPage(QStringLiteral("/ask.html"), QStringLiteral("Ask"),
                  QStringLiteral("<script>setTimeout(function () {"
                                 "  document.title = 'Answered ' + confirm('Stay?'); }, 100);"
                                 "</script>"));
  program_ = std::make_unique<TestProgram>();
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  QVERIFY(TestProgram::waitUntil([&] { return !view(1)->url().isEmpty(); }));
}

void HostilePagesTest::dialogsWaitInTheirPaneAndAPageCanBeStopped() {
  enter(1, url("/dialogs.html"));
  QVERIFY(TestProgram::waitUntil([&] { return shown("DialogSheet"); }, 20000));
  QCOMPARE(over<QLabel>("DialogSheetText")->text(), QStringLiteral("Sure?"));
  // A first dialog does not offer to stop the page.
  QVERIFY(!over("DialogSheetStop")->isVisible());
  // The page waits; the other pane does not.
  QVERIFY(bottomStillLoads());
  press("DialogSheetOK");
  QVERIFY(TestProgram::waitUntil([&] { return over("DialogSheetValue")->isVisible(); }));
  over<QLineEdit>("DialogSheetValue")->setText(QStringLiteral("Ann"));
  press("DialogSheetOK");
  QVERIFY(
      TestProgram::waitUntil([&] { return view(1)->title() == QStringLiteral("Got true Ann"); }));
  // The loop of alerts: from the second in quick succession on, the page can be stopped.
  QVERIFY(TestProgram::waitUntil([&] {
    return over<QLabel>("DialogSheetText")->text() == QLatin1String("loop") && shown("DialogSheet");
  }));
  QVERIFY(over("DialogSheetStop")->isVisible());
  over<QCheckBox>("DialogSheetStop")->setChecked(true);
  press("DialogSheetOK");
  QVERIFY(bottomStillLoads());
  QVERIFY(!shown("DialogSheet"));
}

void HostilePagesTest::popupFloodIsBlockedAndCanBeLetThroughAFew() {
  enter(1, url("/flood.html"));
  QVERIFY(shows(1, url("/flood.html"), QStringLiteral("Flood")));
  QVERIFY(TestProgram::waitUntil([&] {
    return shown("PopupNotice") &&
           over<QLabel>("PopupNoticeText")->text() ==
               QStringLiteral("Corvane blocked 50 pop-up windows from 127.0.0.1");
  }));
  QCOMPARE(popups(), 0);
  QVERIFY(bottomStillLoads());
  press("PopupNoticeOnce");
  QVERIFY(TestProgram::waitUntil([&] { return popups() == corvane::PopupBlocker::kMaxOpen; }));
  QVERIFY(!shown("PopupNotice"));
  // Allowed for the site, the page still holds no more than a few at a time.
  enter(1, url("/flood.html"));
  QVERIFY(TestProgram::waitUntil([&] { return shown("PopupNotice"); }));
  press("PopupNoticeAlways");
  enter(1, url("/flood.html"));
  QVERIFY(TestProgram::waitUntil([&] { return shown("PopupNotice"); }));
  QCOMPARE(popups(), corvane::PopupBlocker::kMaxOpen);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String("PopupWindow")) widget->close();
  }
  QVERIFY(TestProgram::waitUntil([&] { return popups() == 0; }));
}

void HostilePagesTest::downloadStormAsksFromTheSecondWithCleanNames() {
  QStringList proposed;
  const auto saveAs = [&](const QString& name) {
    whenModal<QFileDialog>(QStringLiteral("DownloadSaveDialog"), [&, name](QFileDialog* dialog) {
      proposed << QFileInfo(dialog->selectedFiles().value(0)).fileName();
      typeFileName(dialog, QDir(home_.path()).filePath(name));
    });
  };
  saveAs(QStringLiteral("first.txt"));
  enter(1, url("/storm.html"));
  QVERIFY(TestProgram::waitUntil(
      [&] { return QFileInfo::exists(QDir(home_.path()).filePath(QStringLiteral("first.txt"))); },
      20000));
  // No control characters, and nothing hidden.
  QCOMPARE(proposed.value(0), QStringLiteral("ab[31mc.txt"));
  QVERIFY(TestProgram::waitUntil([&] { return shown("DownloadNotice"); }));
  QVERIFY(over<QLabel>("DownloadNoticeText")->text().contains(QStringLiteral("\"ab[31mc.txt\"")));
  QVERIFY(bottomStillLoads());
  // Allowed, the second is asked for again where to go; the others were dropped meanwhile.
  saveAs(QStringLiteral("second.txt"));
  press("DownloadNoticeAllow");
  QVERIFY(TestProgram::waitUntil(
      [&] { return QFileInfo::exists(QDir(home_.path()).filePath(QStringLiteral("second.txt"))); },
      20000));
  QCOMPARE(proposed.size(), 2);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String("DownloadsWindow")) widget->close();
  }
}

void HostilePagesTest::linkToAnotherProgramAsksNamingIt() {
  // The desktop's mail program, which notes what it is asked to open.
  const QString opened = QDir(home_.path()).filePath(QStringLiteral("opened.txt"));
  const QString apps = QDir(home_.path()).filePath(QStringLiteral(".local/share/applications"));
  QDir().mkpath(apps);
  QDir().mkpath(QDir(home_.path()).filePath(QStringLiteral(".config")));
  QFile entry(QDir(apps).filePath(QStringLiteral("testmail.desktop")));
  QVERIFY(entry.open(QIODevice::WriteOnly));
  entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Test Mailer\n"
                             "Exec=sh -c 'echo \"$1\" > %1' mailer %u\n"
                             "MimeType=x-scheme-handler/mailto;\n")
                  .arg(opened)
                  .toUtf8());
  entry.close();
  QFile list(QDir(home_.path()).filePath(QStringLiteral(".config/mimeapps.list")));
  QVERIFY(list.open(QIODevice::WriteOnly));
  list.write("[Default Applications]\nx-scheme-handler/mailto=testmail.desktop\n");
  list.close();

  enter(1, url("/mail.html"));
  QMessageBox* question = nullptr;
  QVERIFY(TestProgram::waitUntil(
      [&] {
        question = visibleTopLevel<QMessageBox>("ExternalLinkQuestion");
        return question != nullptr;
      },
      20000));
  QVERIFY(question->text().contains(QStringLiteral("mailto:ann@site.test")));
  QVERIFY(question->text().contains(QStringLiteral("Open it with Test Mailer?")));
  QVERIFY(!QFileInfo::exists(opened));  // never before the answer
  QVERIFY(bottomStillLoads());
  QTest::mouseClick(question->buttons().value(0), Qt::LeftButton);
  QVERIFY(TestProgram::waitUntil([&] { return QFileInfo::exists(opened); }, 20000));
  QFile note(opened);
  QVERIFY(note.open(QIODevice::ReadOnly));
  QCOMPARE(note.readAll().trimmed(), QByteArray("mailto:ann@site.test"));
}

void HostilePagesTest::endlessLoadHugeTitleAndScriptAddressesHoldNothingUp() {
  enter(1, url("/endless.html"));
  QVERIFY(TestProgram::waitUntil(
      [&] { return server_.requestCount(QStringLiteral("/endless.html")) > 0; }));
  QVERIFY(bottomStillLoads());
  enter(1, url("/title.html"));
  QVERIFY(TestProgram::waitUntil([&] { return view(1)->title().size() == 100000; }, 20000));
  QVERIFY(bottomStillLoads());
  for (const char* typed : {"javascript:1", "vbscript:0", "mailto:123"}) {
    enter(1, QString::fromLatin1(typed));
    QVERIFY2(TestProgram::waitUntil([&] {
               return status(1)->text() ==
                      QStringLiteral("Page Title: Cannot open ") + QLatin1String(typed);
             }),
             typed);
  }
  QVERIFY(bottomStillLoads());
}

void HostilePagesTest::windowClosesWithADialogUp() {
  enter(1, url("/ask.html"));
  QVERIFY(TestProgram::waitUntil([&] { return shown("DialogSheet"); }, 20000));
  window_->close();
  QVERIFY(!window_->isVisible());
  // Closing answered the page's question.
  QVERIFY(
      TestProgram::waitUntil([&] { return view(1)->title() == QStringLiteral("Answered false"); }));
  QVERIFY(!shown("DialogSheet"));
}

int main(int argc, char* argv[]) {
  // The pages' dialogs need the program's own scheme, registered before the application.
  corvane::prepareApplication();
  QApplication app(argc, argv);
  QTEST_SET_MAIN_SOURCE_PATH
  HostilePagesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_hostile_pages.moc"
