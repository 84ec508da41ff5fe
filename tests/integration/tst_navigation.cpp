// Both panes as real browsers: typing, Enter, the drop-down list, redirects, files, failures.
// Keys go to the address box itself, where the platform delivers a key press; the box hands
// them on to its edit field. One test sends them to the edit field directly.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QTest>
#include <QWebEngineView>

#include "LoopbackHttpServer.h"
#include "TestProgram.h"
#include "qt/frmbrowser.h"

class NavigationTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void typingAloneDoesNotNavigateAndEnterDoes();
  void keysSentToTheEditFieldNavigateToo();
  void reportedAddressReplacesWhatWasTyped();
  void localFileShowsAsFileAddress();
  void failedLoadsStillComplete();
  void historyKeepsEachAddressOnceMostRecentFirst();
  void pickFromTheListNavigates();
  void panesAreIndependent();

 private:
  struct PaneWidgets {
    QComboBox* box;
    QLabel* status;
    QProgressBar* progress;
  };
  PaneWidgets pane(int n) const;
  // Types into the box (or straight into its edit field).
  void type(QComboBox* box, const QString& text, bool intoEditField = false);
  bool go(int n, const QString& typed, const QString& reported);
  static QStringList items(QComboBox* box);

  LoopbackHttpServer server_;
  std::unique_ptr<TestProgram> program_;
  corvane::frmbrowser* window_ = nullptr;
};

NavigationTest::PaneWidgets NavigationTest::pane(int n) const {
  const QString digit = QString::number(n);
  return {window_->findChild<QComboBox*>(QStringLiteral("cboAddress") + digit),
          window_->findChild<QLabel*>(QStringLiteral("Label") + digit),
          window_->findChild<QProgressBar*>(QStringLiteral("ProgressBar") + digit)};
}

QStringList NavigationTest::items(QComboBox* box) {
  QStringList list;
  for (int i = 0; i < box->count(); ++i) list << box->itemText(i);
  return list;
}

void NavigationTest::type(QComboBox* box, const QString& text, bool intoEditField) {
  box->lineEdit()->clear();
  box->setFocus();
  QTest::keyClicks(intoEditField ? static_cast<QWidget*>(box->lineEdit()) : box, text);
}

bool NavigationTest::go(int n, const QString& typed, const QString& reported) {
  const PaneWidgets w = pane(n);
  type(w.box, typed);
  QTest::keyClick(w.box, Qt::Key_Return);
  return TestProgram::waitForPage(w.status, w.box, reported);
}

void NavigationTest::initTestCase() {
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/a.html"), QStringLiteral("Page A"));
  server_.addPage(QStringLiteral("/b.html"), QStringLiteral("Page B"));
  server_.addPage(QStringLiteral("/new.html"), QStringLiteral("New Place"));
  server_.addRedirect(QStringLiteral("/old"), server_.url(QStringLiteral("/new.html")).toString());
  server_.addRedirect(QStringLiteral("/dir"), server_.url(QStringLiteral("/dir/")).toString(), 301);
  server_.addPage(QStringLiteral("/dir/"), QStringLiteral("Folder Index"));
  server_.addRaw(QStringLiteral("/untitled.html"), 200, "text/html", "<p>no title here</p>");

  program_ = std::make_unique<TestProgram>();
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  // Let the offline home pages finish so that they don't race the tests' own loads.
  const QString top = QUrl::fromLocalFile(program_->filePath(QStringLiteral("cv.html"))).toString();
  QVERIFY(TestProgram::waitForPage(pane(1).status, pane(1).box, top));
}

void NavigationTest::cleanupTestCase() { program_.reset(); }

void NavigationTest::typingAloneDoesNotNavigateAndEnterDoes() {
  const PaneWidgets w = pane(1);
  const QString address = server_.url(QStringLiteral("/a.html")).toString();
  type(w.box, address);
  TestProgram::waitUntil([] { return false; }, 500);
  QCOMPARE(server_.requestCount(QStringLiteral("/a.html")), 0);

  QTest::keyClick(w.box, Qt::Key_Return);
  QCOMPARE(w.status->text(), QStringLiteral("Going to ") + address);
  QVERIFY(TestProgram::waitForPage(w.status, w.box, address));
  QCOMPARE(w.status->text(), QStringLiteral("Page Title: Page A"));
  QCOMPARE(w.progress->value(), 0);
  QCOMPARE(server_.requestCount(QStringLiteral("/a.html")), 1);
}

void NavigationTest::keysSentToTheEditFieldNavigateToo() {
  const PaneWidgets w = pane(2);
  const QString address = server_.url(QStringLiteral("/b.html")).toString();
  const int requests = server_.requestCount(QStringLiteral("/b.html"));
  type(w.box, address, true);
  QTest::keyClick(w.box->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(w.status->text(), QStringLiteral("Going to ") + address);
  QVERIFY(TestProgram::waitForPage(w.status, w.box, address));
  QCOMPARE(server_.requestCount(QStringLiteral("/b.html")), requests + 1);
}

void NavigationTest::reportedAddressReplacesWhatWasTyped() {
  // A redirect, a folder without its slash, and a host without a scheme.
  QVERIFY(go(1, server_.url(QStringLiteral("/old")).toString(),
             server_.url(QStringLiteral("/new.html")).toString()));
  QCOMPARE(pane(1).status->text(), QStringLiteral("Page Title: New Place"));
  QVERIFY(go(1, server_.url(QStringLiteral("/dir")).toString(),
             server_.url(QStringLiteral("/dir/")).toString()));
  const QString bare = server_.url(QStringLiteral("/b.html")).toString().mid(7);  // no http://
  QVERIFY(go(1, bare, server_.url(QStringLiteral("/b.html")).toString()));
  // Page source of a typed host, normalised like any other address.
  QVERIFY(go(1, QStringLiteral("view-source:") + bare,
             QStringLiteral("view-source:") + server_.url(QStringLiteral("/b.html")).toString()));
  // A page without a title is named by its address.
  const QString untitled = server_.url(QStringLiteral("/untitled.html")).toString();
  QVERIFY(go(1, untitled, untitled));
  QCOMPARE(pane(1).status->text(), QStringLiteral("Page Title: ") + untitled);
}

void NavigationTest::localFileShowsAsFileAddress() {
  program_->writeFile(QStringLiteral("local page.html"),
                      "<html><head><title>Local</title></head><body>here</body></html>");
  const QString path = program_->filePath(QStringLiteral("local page.html"));
  QVERIFY(go(2, path, QUrl::fromLocalFile(path).toString()));
  QCOMPARE(pane(2).status->text(), QStringLiteral("Page Title: Local"));
  // A local page without a title is named by its whole address, not by its file name.
  program_->writeFile(QStringLiteral("bare.html"), "<p>no title</p>");
  const QString bare = QUrl::fromLocalFile(program_->filePath(QStringLiteral("bare.html"))).toString();
  QVERIFY(go(2, program_->filePath(QStringLiteral("bare.html")), bare));
  QCOMPARE(pane(2).status->text(), QStringLiteral("Page Title: ") + bare);
}

void NavigationTest::failedLoadsStillComplete() {
  const QString refused = QStringLiteral("http://127.0.0.1:1/");
  QVERIFY(go(1, refused, refused));
  QCOMPARE(pane(1).box->itemText(0), refused);
  const QString missing = server_.url(QStringLiteral("/missing.html")).toString();
  QVERIFY(go(1, missing, missing));
  QCOMPARE(pane(1).status->text(), QStringLiteral("Page Title: Not Found"));
}

void NavigationTest::historyKeepsEachAddressOnceMostRecentFirst() {
  const QString a = server_.url(QStringLiteral("/a.html")).toString();
  const QString b = server_.url(QStringLiteral("/b.html")).toString();
  QVERIFY(go(2, a, a));
  QVERIFY(go(2, b, b));
  QVERIFY(go(2, a, a));
  const QStringList list = items(pane(2).box);
  QCOMPARE(list.mid(0, 2), QStringList({a, b}));
  QCOMPARE(list.count(a), 1);
  QCOMPARE(list.count(b), 1);
  QCOMPARE(pane(2).box->currentIndex(), 0);
}

void NavigationTest::pickFromTheListNavigates() {
  const QString a = server_.url(QStringLiteral("/a.html")).toString();
  const QString b = server_.url(QStringLiteral("/b.html")).toString();
  QVERIFY(go(1, a, a));
  QVERIFY(go(1, b, b));
  const PaneWidgets w = pane(1);
  const int requests = server_.requestCount(QStringLiteral("/a.html"));
  // Choose the second entry with the keyboard, as a user would from the open list.
  w.box->showPopup();
  QAbstractItemView* view = w.box->view();
  QVERIFY(TestProgram::waitUntil([&] { return view->isVisible(); }, 2000));
  view->setCurrentIndex(view->model()->index(1, 0));
  QTest::keyClick(view, Qt::Key_Return);
  QVERIFY(TestProgram::waitForPage(w.status, w.box, a));
  QCOMPARE(server_.requestCount(QStringLiteral("/a.html")), requests + 1);
  QCOMPARE(items(w.box).mid(0, 2), QStringList({a, b}));
}

void NavigationTest::panesAreIndependent() {
  const QString b = server_.url(QStringLiteral("/b.html")).toString();
  const QString topText = pane(1).box->currentText();
  const QStringList topItems = items(pane(1).box);
  QVERIFY(go(2, b, b));
  QCOMPARE(pane(1).box->currentText(), topText);
  QCOMPARE(items(pane(1).box), topItems);
  QVERIFY(!pane(1).status->text().contains(QStringLiteral("Page B")));
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
