// Pages that try to take the browser over: dialogs, pop-up floods, download storms, leave-page
// questions, links to other programs, endless loads, huge titles and script addresses. Whatever
// the top page does, the bottom pane still loads a page. (An alert loop, a flood and the
// window's close are tried end to end too.)
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <memory>

#include "LoopbackHttpServer.h"
#include "TestProgram.h"
#include "browser/PopupBlocker.h"
#include "qt/engine/ApplicationSetup.h"
#include "qt/window/frmbrowser.h"

class HostilePagesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void dialogsWaitInTheirPaneAndGoWithTheirPage();
  void popupFloodIsBlockedAndCanBeLetThroughAFew();
  void downloadStormAsksFirstWithCleanNames();
  void endlessLoadHugeTitleAndScriptAddressesHoldNothingUp();
  void linksToOtherProgramsAskFirstOverTheirPane();
  void theLeavePageQuestionHoldsOnlyItsPage();

 private:
  QComboBox* box(int n) const { return TestProgram::box(window_, n); }
  QLabel* status(int n) const { return TestProgram::status(window_, n); }
  QWebEngineView* view(int n) const { return TestProgram::view(window_, n); }
  // A strip or sheet over the top pane, by the end of its name, once shown: the one of the page
  // the pane shows, which lays them over itself (earlier tests leave other pages behind it).
  template <typename T = QWidget>
  T* over(const char* name) const {
    const QString full = QStringLiteral("brwWebBrowser1") + QLatin1String(name);
    if (T* own = view(1)->parentWidget()->findChild<T*>(full)) return own;
    return window_->findChild<T*>(full);
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
  // Clicks the middle of the page's element as a user does; a script's click is no user's.
  void click(int n, const char* id) {
    QVariantList box;
    view(n)->page()->runJavaScript(
        QStringLiteral("(function (e) { var r = e.getBoundingClientRect();"
                       "  return [r.left + r.width / 2, r.top + r.height / 2]; })"
                       "(document.getElementById('%1'))")
            .arg(QLatin1String(id)),
        [&](const QVariant& value) { box = value.toList(); });
    QVERIFY(TestProgram::waitUntil([&] { return !box.isEmpty(); }));
    // A user clicks into the window in front: the pop-ups of an earlier test may be.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QWidget* surface = view(n)->focusProxy();
    QTest::mouseClick(
        surface->window()->windowHandle(), Qt::LeftButton, {},
        surface->mapTo(surface->window(), QPoint(box.value(0).toInt(), box.value(1).toInt())));
  }
  // Browsers > Swap Panes.
  void swapPanes() {
    for (QAction* action : window_->findChildren<QAction*>()) {
      if (action->text().remove(QLatin1Char('&')) == QLatin1String("Swap Panes")) action->trigger();
    }
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
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/calm.html"), QStringLiteral("Calm"));
  server_.addPage(QStringLiteral("/dialogs.html"), QStringLiteral("Dialogs"),
                  QStringLiteral("<script>setTimeout(function () {"
                                 "  var sure = confirm('Sure?'); var name = prompt('Name?', 'x');"
                                 "  document.title = 'Got ' + sure + ' ' + name;"
                                 "}, 100);</script>"));
  server_.addPage(QStringLiteral("/flood.html"), QStringLiteral("Flood"),
                  QStringLiteral("<script>for (var i = 0; i < 50; i++) window.open("
                                 "'/calm.html?' + i, '_blank', 'width=200,height=150');</script>"));
  QByteArray bytes(1000, 'x');
  server_.addRaw(QStringLiteral("/file"), 200, "application/octet-stream", bytes,
                 {"Content-Disposition: attachment; filename*=UTF-8''..a%01b%1B[31mc.txt"});
  server_.addPage(QStringLiteral("/storm.html"), QStringLiteral("Storm"),
                  QStringLiteral("<script>for (var i = 0; i < 5; i++) {"
                                 "  var a = document.createElement('a'); a.href = '/file';"
                                 "  a.download = ''; document.body.appendChild(a); a.click(); }"
                                 "</script>"));
  server_.addPage(QStringLiteral("/endless.html"), QStringLiteral("Endless"));
  server_.holdBack(QStringLiteral("/endless.html"), 600000);
  server_.addPage(QStringLiteral("/title.html"), QString(100000, QLatin1Char('T')));
  server_.addPage(QStringLiteral("/outside.html"), QStringLiteral("Outside"),
                  QStringLiteral("<a id='mail' href='mailto:ann@example.test'>Write</a><br>"
                                 "<a id='new' target='_blank' href='mailto:bob@example.test'>"
                                 "Write in a new window</a>"));
  server_.addPage(
      QStringLiteral("/leave.html"), QStringLiteral("Leave"),
      QStringLiteral("<script>addEventListener('beforeunload', function (e) {"
                     "  e.preventDefault(); e.returnValue = 'x'; });</script>"
                     "<button id='touch' onclick=\"document.title = 'Touched'\">Touch</button>"));
  program_ = std::make_unique<TestProgram>();
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  QVERIFY(TestProgram::waitUntil([&] { return !view(1)->url().isEmpty(); }));
}

void HostilePagesTest::dialogsWaitInTheirPaneAndGoWithTheirPage() {
  enter(1, url("/dialogs.html"));
  QVERIFY(TestProgram::waitUntil([&] { return shown("DialogSheet"); }, 20000));
  QCOMPARE(over<QLabel>("DialogSheetText")->text(), QStringLiteral("Sure?"));
  // A first dialog does not offer to stop the page.
  QVERIFY(!over("DialogSheetStop")->isVisible());
  // The sheet goes with its page when the panes are swapped.
  swapPanes();
  auto* moved = window_->findChild<QWidget*>(QStringLiteral("brwWebBrowser2DialogSheet"));
  QVERIFY(moved && moved->isVisible() && !shown("DialogSheet"));
  QCOMPARE(moved->geometry().topLeft(), view(2)->geometry().topLeft());
  swapPanes();
  QVERIFY(shown("DialogSheet"));
  // The page waits; the other pane does not.
  QVERIFY(bottomStillLoads());
  press("DialogSheetOK");
  QVERIFY(TestProgram::waitUntil([&] { return over("DialogSheetValue")->isVisible(); }));
  over<QLineEdit>("DialogSheetValue")->setText(QStringLiteral("Ann"));
  press("DialogSheetOK");
  QVERIFY(
      TestProgram::waitUntil([&] { return view(1)->title() == QStringLiteral("Got true Ann"); }));
}

// The flood blocked with its strip, no window opened, is the end-to-end test's.
void HostilePagesTest::popupFloodIsBlockedAndCanBeLetThroughAFew() {
  enter(1, url("/flood.html"));
  QVERIFY(TestProgram::waitUntil([&] { return shown("PopupNotice"); }));
  QVERIFY(bottomStillLoads());
  press("PopupNoticeOnce");
  QVERIFY(TestProgram::waitUntil([&] { return popups() == corvane::PopupBlocker::kMaxOpen; }));
  QVERIFY(!shown("PopupNotice"));
  // Let through, each gets the size its page asked for, as one opened by a click does.
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() != QLatin1String("PopupWindow") || !widget->isVisible()) continue;
    auto* page = widget->findChild<QWebEngineView*>(QStringLiteral("popupBrowser"));
    QVERIFY(TestProgram::waitUntil([&] { return page->size() == QSize(200, 150); }));
  }
  // Allowed for the site, the page still holds no more than a few at a time.
  enter(1, url("/flood.html"));
  QVERIFY(TestProgram::waitUntil([&] { return shown("PopupNotice"); }));
  press("PopupNoticeAlways");
  enter(1, url("/flood.html"));
  QVERIFY(TestProgram::waitUntil([&] { return shown("PopupNotice"); }));
  QCOMPARE(popups(), corvane::PopupBlocker::kMaxOpen);
  // The strip goes with its page, and what that page asked for opens no more: once the pane
  // shows another page, closing the pop-ups leaves room that none of the flood's takes.
  enter(1, url("/calm.html"));
  QVERIFY(shows(1, url("/calm.html"), QStringLiteral("Calm")));
  QVERIFY(!shown("PopupNotice"));
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String("PopupWindow")) widget->close();
  }
  QVERIFY(TestProgram::waitUntil([&] { return popups() == 0; }));
  QVERIFY(bottomStillLoads());
  QCOMPARE(popups(), 0);
  QVERIFY(!shown("PopupNotice"));
}

void HostilePagesTest::downloadStormAsksFirstWithCleanNames() {
  // Where each download would go is asked; the answer here is Cancel.
  QFileDialog* save = nullptr;
  const auto saveAsked = [&] {
    save = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() == QLatin1String("DownloadSaveDialog") && widget->isVisible()) {
        save = qobject_cast<QFileDialog*>(widget);
      }
    }
    return save != nullptr;
  };
  enter(1, url("/storm.html"));
  // None went on by itself: the user has not acted in the page. The strip names the first,
  // without control characters or a leading dot.
  QVERIFY(TestProgram::waitUntil([&] { return shown("DownloadNotice"); }, 20000));
  QVERIFY(!saveAsked());
  QVERIFY(over<QLabel>("DownloadNoticeText")->text().contains(QStringLiteral("\"ab[31mc.txt\"")));
  // The engine goes on while the strip asks: the other pane loads a page.
  QVERIFY(bottomStillLoads());
  // Allowed, it asks where to go; the rest were dropped meanwhile.
  press("DownloadNoticeAllow");
  QVERIFY(TestProgram::waitUntil(saveAsked, 20000));
  QCOMPARE(QFileInfo(save->selectedFiles().value(0)).fileName(), QStringLiteral("ab[31mc.txt"));
  // The window asks without holding up the program: the other pane still takes an address.
  QVERIFY(!QApplication::activeModalWidget());
  QVERIFY(bottomStillLoads());
  save->reject();
  QVERIFY(!shown("DownloadNotice"));
  // The answer holds for the page's later downloads, which the engine hands over one after the
  // other: each asks where to go until the pane has left the page.
  enter(1, url("/calm.html"));
  QVERIFY(TestProgram::waitUntil(
      [&] {
        if (saveAsked()) save->reject();
        return box(1)->currentText() == url("/calm.html") && !saveAsked();
      },
      20000));
}

void HostilePagesTest::endlessLoadHugeTitleAndScriptAddressesHoldNothingUp() {
  enter(1, url("/endless.html"));
  QVERIFY(TestProgram::waitUntil(
      [&] { return server_.requestCount(QStringLiteral("/endless.html")) > 0; }));
  QVERIFY(bottomStillLoads());
  enter(1, url("/title.html"));
  QVERIFY(TestProgram::waitUntil(
      [&] { return view(1)->title().startsWith(QStringLiteral("TTTT")); }, 20000));
  QVERIFY(bottomStillLoads());
  // One right after the other: each shows its own page and keeps its own text in the box.
  for (const char* typed : {"javascript:1", "vbscript:0", "mailto:123"}) {
    enter(1, QString::fromLatin1(typed));
    QVERIFY2(TestProgram::waitUntil([&] {
               return status(1)->text() ==
                      QStringLiteral("Page Title: Cannot open ") + QLatin1String(typed);
             }),
             typed);
    QCOMPARE(box(1)->currentText(), QString::fromLatin1(typed));
  }
  QVERIFY(bottomStillLoads());
}

void HostilePagesTest::linksToOtherProgramsAskFirstOverTheirPane() {
  // The desktop, faked: its default mail program, and an opener that notes what it was given.
  const QDir home(home_.path());
  const QString opened = home.filePath(QStringLiteral("opened.txt"));
  QVERIFY(home.mkpath(QStringLiteral("bin")) &&
          home.mkpath(QStringLiteral(".local/share/applications")));
  const auto write = [&](const QString& path, const QByteArray& text) {
    QFile file(home.filePath(path));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
  };
  write(QStringLiteral("bin/xdg-mime"), "#!/bin/sh\necho fakemail.desktop\n");
  write(QStringLiteral("bin/xdg-open"),
        "#!/bin/sh\nprintf %s \"$1\" > '" + opened.toLocal8Bit() + "'\n");
  write(QStringLiteral(".local/share/applications/fakemail.desktop"),
        "[Desktop Entry]\nName=Fake Mail\nExec=true\n");
  qputenv("PATH", home.filePath(QStringLiteral("bin")).toLocal8Bit() + ':' + qgetenv("PATH"));

  enter(1, url("/outside.html"));
  QVERIFY(shows(1, url("/outside.html"), QStringLiteral("Outside")));

  // A link in the page, and one for a new window: each asks over the pane, naming the program,
  // and once agreed to goes to the desktop's opener.
  for (const char* link : {"mail", "new"}) {
    const QByteArray address =
        qstrcmp(link, "mail") == 0 ? "mailto:ann@example.test" : "mailto:bob@example.test";
    const auto asked = [&] {
      auto* text = over<QLabel>("DialogSheetText");
      return shown("DialogSheet") && text->text().contains(QLatin1String(address)) &&
             text->text().contains(QLatin1String("Fake Mail"));
    };
    // On a loaded machine a click can reach the page before it takes input, and is lost; the
    // user then clicks again (a click while the question is being made is dropped).
    click(1, link);
    if (!TestProgram::waitUntil(asked, 3000)) click(1, link);
    QVERIFY2(TestProgram::waitUntil(asked), link);
    press("DialogSheetOK");
    QVERIFY(TestProgram::waitUntil([&] {
      QFile file(opened);
      return file.open(QIODevice::ReadOnly) && file.readAll() == address;
    }));
  }
  QCOMPARE(box(1)->currentText(), url("/outside.html"));
}

void HostilePagesTest::theLeavePageQuestionHoldsOnlyItsPage() {
  enter(1, url("/leave.html"));
  QVERIFY(shows(1, url("/leave.html"), QStringLiteral("Leave")));
  // The engine asks only once the user has used the page.
  // Clicked again if taken for the second of a double click, which the page does not see alike.
  QVERIFY(TestProgram::waitUntil([&] {
    if (view(1)->title() != QLatin1String("Touched")) click(1, "touch");
    return view(1)->title() == QLatin1String("Touched");
  }));
  for (const bool leave : {false, true}) {
    enter(1, url("/calm.html"));
    QVERIFY(TestProgram::waitUntil([&] { return shown("DialogSheet"); }));
    QVERIFY(bottomStillLoads());
    const char* answer = leave ? "DialogSheetOK" : "DialogSheetCancel";
    QCOMPARE(over<QPushButton>(answer)->text(), QLatin1String(leave ? "&Leave" : "&Stay"));
    press(answer);
    // Stay keeps the page and its address; Leave goes where the user asked.
    QVERIFY(shows(1, url(leave ? "/calm.html" : "/leave.html"),
                  QLatin1String(leave ? "Calm" : "Touched")));
  }
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
