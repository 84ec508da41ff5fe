// The History window over the real main window and engine, and the Internet Options that clear
// the history and choose the search engine: what the end-to-end tests leave out (the search box,
// the open buttons, Delete, a clear answered No, an address the options refuse). Finding a page
// of the other pane, clearing and a damaged file are driven end to end.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QWebEngineProfile>

#include <memory>
#include <utility>

#include "FakeSettingsStore.h"
#include "LoopbackHttpServer.h"
#include "RecordingHistoryNotices.h"
#include "TempDir.h"
#include "TestProgram.h"
#include "dialogs/InternetOptions.h"
#include "history/History.h"
#include "platform/SystemClock.h"
#include "qt/dialogs/InternetOptionsDialog.h"
#include "qt/window/frmbrowser.h"

class HistoryWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void pagesAreFoundOpenedInEitherPaneAndDeleted();
  void aClearAnsweredNoKeepsTheList();
  void internetOptionsClearTheHistoryAndKeepWhatTheyDoNotShow();

 private:
  QString url(const char* path) const { return server_.url(QString::fromLatin1(path)).toString(); }
  bool go(int n, const QString& address);
  QDialog* openHistory();
  // The list as shown: each group's caption, then the addresses of its pages.
  static QStringList listed(QTreeView* list);
  static void choose(QTreeView* list, const QString& address);
  // Presses `button` of the next message box; its text is there once it has been answered.
  static std::shared_ptr<QString> answerNextBox(QMessageBox::StandardButton button);

  LoopbackHttpServer server_;
  std::unique_ptr<TestProgram> program_;
  corvane::frmbrowser* window_ = nullptr;
};

bool HistoryWindowTest::go(int n, const QString& address) {
  QComboBox* box = TestProgram::box(window_, n);
  box->lineEdit()->setText(address);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Return);
  return TestProgram::waitForPage(TestProgram::status(window_, n), box, address);
}

QDialog* HistoryWindowTest::openHistory() {
  for (QAction* action : window_->findChildren<QAction*>()) {
    if (action->text() == QStringLiteral("History...")) action->trigger();
  }
  // A window closed before may still wait for its deletion.
  for (QDialog* dialog : window_->findChildren<QDialog*>(QStringLiteral("frmHistory"))) {
    if (dialog->isVisible()) return dialog;
  }
  return nullptr;
}

QStringList HistoryWindowTest::listed(QTreeView* list) {
  QStringList rows;
  const QAbstractItemModel* model = list->model();
  for (int g = 0; g < model->rowCount(); ++g) {
    const QModelIndex group = model->index(g, 0);
    rows << group.data().toString();
    for (int r = 0; r < model->rowCount(group); ++r)
      rows << model->index(r, 1, group).data().toString();
  }
  return rows;
}

void HistoryWindowTest::choose(QTreeView* list, const QString& address) {
  const QModelIndexList found =
      list->model()->match(list->model()->index(0, 1, list->model()->index(0, 0)), Qt::DisplayRole,
                           address, 1, Qt::MatchExactly);
  QVERIFY(!found.isEmpty());
  list->setCurrentIndex(found.first());
}

std::shared_ptr<QString> HistoryWindowTest::answerNextBox(QMessageBox::StandardButton button) {
  auto text = std::make_shared<QString>();
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, button, text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    *text = box->text();
    poll->stop();
    poll->deleteLater();
    box->button(button)->click();
  });
  poll->start(10);
  return text;
}

void HistoryWindowTest::initTestCase() {
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/one.html"), QStringLiteral("Page One"));
  server_.addPage(QStringLiteral("/two.html"), QStringLiteral("Page Two"));
  program_ = std::make_unique<TestProgram>();
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  // The home pages are visits too: they come first.
  QVERIFY(program_->waitForHomePages(window_));
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_));
}

void HistoryWindowTest::cleanupTestCase() { program_.reset(); }

void HistoryWindowTest::pagesAreFoundOpenedInEitherPaneAndDeleted() {
  // The focus ends in the bottom pane's box.
  QVERIFY(go(1, url("/one.html")));
  QVERIFY(go(2, url("/two.html")));
  QDialog* dialog = openHistory();
  QVERIFY(dialog);
  auto* list = dialog->findChild<QTreeView*>(QStringLiteral("tvwHistory"));
  auto* search = dialog->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
  QVERIFY(list && search);
  QCOMPARE(listed(list).mid(0, 3),
           (QStringList{QStringLiteral("Today"), url("/two.html"), url("/one.html")}));

  // Typed words narrow the list; Enter in the box opens the chosen page in the pane that had
  // the focus.
  QTest::keyClicks(search, QStringLiteral("page ONE"));
  QCOMPARE(listed(list), (QStringList{QStringLiteral("Today"), url("/one.html")}));
  QTest::keyClick(search, Qt::Key_Return);
  QVERIFY(TestProgram::waitForPage(TestProgram::status(window_, 2), TestProgram::box(window_, 2),
                                   url("/one.html")));

  search->clear();
  choose(list, url("/two.html"));
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOpenTop")), Qt::LeftButton);
  QVERIFY(TestProgram::waitForPage(TestProgram::status(window_, 1), TestProgram::box(window_, 1),
                                   url("/two.html")));

  // Asked for again, the one window comes forward with the visits since.
  QCOMPARE(openHistory(), dialog);
  QCOMPARE(window_->findChildren<QDialog*>(QStringLiteral("frmHistory")).size(), 1);
  QCOMPARE(listed(list).mid(0, 3),
           (QStringList{QStringLiteral("Today"), url("/two.html"), url("/one.html")}));

  // Delete takes the chosen page from the history, and the next one is chosen.
  choose(list, url("/two.html"));
  QTest::keyClick(list, Qt::Key_Delete);
  QVERIFY(!listed(list).contains(url("/two.html")));
  QCOMPARE(list->currentIndex().siblingAtColumn(1).data().toString(), url("/one.html"));
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdDelete")), Qt::LeftButton);
  QVERIFY(!listed(list).contains(url("/one.html")));
  search->setText(QStringLiteral("page"));
  QCOMPARE(listed(list), QStringList());
  QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("cmdOpenTop"))->isEnabled());

  // Opened anew, it lists every page left: the home pages.
  dialog->close();
  dialog = openHistory();
  QVERIFY(dialog);
  QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtSearch"))->text(), QString());
  QCOMPARE(listed(dialog->findChild<QTreeView*>(QStringLiteral("tvwHistory"))).size(), 3);
}

void HistoryWindowTest::aClearAnsweredNoKeepsTheList() {
  QVERIFY(go(2, url("/one.html")));
  QDialog* dialog = openHistory();
  QVERIFY(dialog);
  auto* list = dialog->findChild<QTreeView*>(QStringLiteral("tvwHistory"));
  const QStringList before = listed(list);
  QVERIFY(before.contains(url("/one.html")));
  dialog->findChild<QComboBox*>(QStringLiteral("cboClearRange"))->setCurrentIndex(2);
  auto* clear = dialog->findChild<QPushButton*>(QStringLiteral("cmdClear"));
  const auto question = answerNextBox(QMessageBox::No);
  QTest::mouseClick(clear, Qt::LeftButton);
  QCOMPARE(*question, QStringLiteral("Remove every page from the history?"));
  QCOMPARE(listed(list), before);
  answerNextBox(QMessageBox::Yes);
  QTest::mouseClick(clear, Qt::LeftButton);
  QCOMPARE(listed(list), QStringList());
}

void HistoryWindowTest::internetOptionsClearTheHistoryAndKeepWhatTheyDoNotShow() {
  corvane::FakeSettingsStore store;
  corvane::InternetOptions stored;
  stored.pageStripAlways = true;
  stored.searchEngine = "startpage";
  stored.Save(store, "corvane");
  corvane::TempDir dir;
  corvane::SystemClock clock;
  corvane::RecordingHistoryNotices notices;
  corvane::History history((dir.path() / "history.sqlite").string(), clock, notices);
  history.RecordVisit("http://kept.test/", "Kept");
  QWebEngineProfile profile;
  int pageHistoriesForgotten = 0;
  int applied = 0;
  const auto context = [&]() -> corvane::InternetOptionsDialog::Context {
    return {&profile, [&] { ++pageHistoriesForgotten; }, [&] { ++applied; }, store, "corvane",
            &history};
  };

  auto* dialog = new corvane::InternetOptionsDialog(context(), nullptr);
  dialog->show();
  QVERIFY(dialog->findChild<QCheckBox*>(QStringLiteral("chkPageStripAlways"))->isChecked());
  auto* engine = dialog->findChild<QComboBox*>(QStringLiteral("cboSearchEngine"));
  auto* other = dialog->findChild<QLineEdit*>(QStringLiteral("txtOtherSearch"));
  auto* ok =
      dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(QDialogButtonBox::Ok);
  QCOMPARE(engine->currentText(), QStringLiteral("Startpage"));
  QVERIFY(!other->isEnabled());

  // An address without "%s": the rest is taken, the engine stays, the dialog stays open.
  engine->setCurrentIndex(engine->findData(QStringLiteral("other")));
  QVERIFY(other->isEnabled());
  other->setText(QStringLiteral("https://find.test/?q="));
  dialog->findChild<QCheckBox*>(QStringLiteral("chkJavaScript"))->setChecked(false);
  const auto refused = answerNextBox(QMessageBox::Ok);
  QTest::mouseClick(ok, Qt::LeftButton);
  QVERIFY2(refused->contains(QStringLiteral("\"Other…\"")), qPrintable(*refused));
  QVERIFY(dialog->isVisible());
  corvane::InternetOptions now = corvane::InternetOptions::Load(store, "corvane");
  QCOMPARE(now.searchEngine, std::string("startpage"));
  QVERIFY(!now.javaScript);
  QVERIFY(now.pageStripAlways);

  other->setText(QStringLiteral("https://find.test/?q=%s"));
  QTest::mouseClick(ok, Qt::LeftButton);
  QVERIFY(TestProgram::waitUntil([&] { return !dialog->isVisible(); }));
  now = corvane::InternetOptions::Load(store, "corvane");
  QCOMPARE(now.SearchTemplate(), std::string("https://find.test/?q=%s"));
  QVERIFY(now.pageStripAlways);
  QVERIFY(applied > 0);

  // One command clears the engine's browsing history, the pages visited and the panes' pages'.
  dialog = new corvane::InternetOptionsDialog(context(), nullptr);
  QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("cboSearchEngine"))->currentText(),
           QStringLiteral("Other…"));
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdClearHistory")),
                    Qt::LeftButton);
  QCOMPARE(history.Visits("").visits.size(), std::size_t(0));
  QCOMPARE(pageHistoriesForgotten, 1);
  QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblDone"))->text(),
           QStringLiteral("Browsing history deleted."));
  delete dialog;
  QVERIFY(notices.messages().empty());
}

QTEST_MAIN(HistoryWindowTest)
#include "tst_history_window.moc"
