// A favorite opened in the top pane and the home pages window, on the real window and engine:
// what the end-to-end tests leave out.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "LoopbackHttpServer.h"
#include "ModalDialogs.h"
#include "TestProgram.h"
#include "qt/QtTimer.h"
#include "qt/frmbrowser.h"

class FavoritesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void aFavoriteAnsweredYesOpensInTheTopPane();
  void theHomePagesWindowOutlivesTheMainWindow();

 private:
  QAction* action(const QString& text) const;
  QString favorites() const { return program_->folders().userData + QStringLiteral("/Favorites"); }

  LoopbackHttpServer server_;
  std::unique_ptr<TestProgram> program_;
  corvane::frmbrowser* window_ = nullptr;
  QTreeWidget* tree_ = nullptr;
};

QAction* FavoritesTest::action(const QString& text) const {
  for (QAction* a : window_->findChildren<QAction*>()) {
    if (a->text() == text) return a;
  }
  return nullptr;
}

void FavoritesTest::initTestCase() {
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/a.html"), QStringLiteral("Page A"));
  program_ = std::make_unique<TestProgram>();
  QDir().mkpath(favorites());
  const auto shortcut = [this](const QString& name, const QString& address) {
    QFile file(favorites() + QLatin1Char('/') + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[InternetShortcut]\r\nURL=" + address.toUtf8() + "\r\n");
  };
  shortcut(QStringLiteral("Page A.url"), server_.url(QStringLiteral("/a.html")).toString());
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  tree_ = window_->findChild<QTreeWidget*>(QStringLiteral("tvw"));
  QVERIFY(tree_);
  auto* box = window_->findChild<QComboBox*>(QStringLiteral("cboAddress1"));
  const QString home =
      QUrl::fromLocalFile(program_->filePath(QStringLiteral("cv.html"))).toString();
  QVERIFY(
      TestProgram::waitForPage(window_->findChild<QLabel*>(QStringLiteral("Label1")), box, home));
}

void FavoritesTest::cleanupTestCase() { program_.reset(); }

void FavoritesTest::aFavoriteAnsweredYesOpensInTheTopPane() {
  auto* label = window_->findChild<QLabel*>(QStringLiteral("Label1"));
  auto* box = window_->findChild<QComboBox*>(QStringLiteral("cboAddress1"));
  action(QStringLiteral("View Favorites"))->trigger();
  QVERIFY(TestProgram::waitUntil([&] { return tree_->isVisible(); }));
  // The questions and where the page opens are driven end to end; here the status poll.
  whenModal<QMessageBox>({}, [&](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
  const QList<QTreeWidgetItem*> found =
      tree_->findItems(QStringLiteral("Page A"), Qt::MatchExactly | Qt::MatchRecursive);
  QVERIFY(!found.isEmpty());
  QTreeWidgetItem* pageA = found.first();
  QTest::mouseClick(tree_->viewport(), Qt::LeftButton, {}, tree_->visualItemRect(pageA).center());

  const QString address = server_.url(QStringLiteral("/a.html")).toString();
  QVERIFY(TestProgram::waitForPage(label, box, address));
  // The real poll ticks until the page has loaded whole, then shows the title and stops (what it
  // says meanwhile is the pane's unit test).
  auto* poll = window_->findChild<corvane::QtTimer*>(QStringLiteral("timTimer1"));
  QVERIFY(poll);
  QVERIFY(TestProgram::waitUntil([&] { return !poll->Enabled(); }));
  QCOMPARE(label->text(), QStringLiteral("Page Title: Page A"));
}

void FavoritesTest::theHomePagesWindowOutlivesTheMainWindow() {
  QAction* homePages = action(QStringLiteral("Enter Offline/Online Home Pages"));
  QVERIFY(homePages);
  homePages->trigger();
  QWidget* open = visibleTopLevel("frmHomePageFav");
  QVERIFY(open);
  // Opening it again brings the same window forward, the edit kept.
  auto* top = open->findChild<QLineEdit*>(QStringLiteral("txtTBstart"));
  top->setText(QStringLiteral("http://edited.example/"));
  homePages->trigger();
  QCOMPARE(visibleTopLevel("frmHomePageFav"), open);
  QCOMPARE(top->text(), QStringLiteral("http://edited.example/"));

  // Closing the main window leaves an open Home Pages window open, and the program runs on until
  // that one is closed too.
  auto* cancel = open->findChild<QPushButton*>(QStringLiteral("cmdCancel"));
  bool openAfterMainClosed = false;
  QObject context;
  QTimer::singleShot(0, &context, [&] {
    window_->close();
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
