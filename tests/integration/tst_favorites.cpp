// The favorites pane, its dialogs and the home pages dialog on the real window and engine.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

#include "LoopbackHttpServer.h"
#include "TestProgram.h"
#include "qt/QtTimer.h"
#include "qt/frmbrowser.h"

namespace {

// Records every text a status line shows: it carries each one as its tooltip too.
class StatusRecorder : public QObject {
 public:
  explicit StatusRecorder(QLabel* label) : label_(label) { label->installEventFilter(this); }
  QStringList texts;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == label_ && event->type() == QEvent::ToolTipChange) texts << label_->text();
    return false;
  }

 private:
  QLabel* label_;
};

// Acts on the next modal window as soon as it shows, while the caller waits in it.
void onNextModal(const std::function<void(QWidget*)>& act, QWidget* after = nullptr) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act, after] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == after || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    act(modal);
  });
  poll->start(10);
}

// Answers a message box, after checking its question.
std::function<void(QWidget*)> answer(const QString& expected, QMessageBox::StandardButton button,
                                     QStringList* asked) {
  return [expected, button, asked](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return;
    *asked << box->text();
    if (box->text() != expected) {
      box->reject();
      return;
    }
    box->button(button)->click();
  };
}

}  // namespace

class FavoritesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void theMenuShowsTheTreeOfTheFavoritesFolder();
  void aFavoriteAnsweredYesOpensInTheTopPane();
  void theTopPageIsAddedToTheFavorites();
  void theHomePagesDialogWritesOnlyOnOk();

 private:
  QAction* action(const QString& text) const;
  QTreeWidgetItem* item(const QString& text) const;
  static QWidget* homePagesWindow();
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

QTreeWidgetItem* FavoritesTest::item(const QString& text) const {
  const QList<QTreeWidgetItem*> found =
      tree_->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.first();
}

void FavoritesTest::initTestCase() {
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/a.html"), QStringLiteral("Page A"));
  server_.addPage(QStringLiteral("/b.html"), QStringLiteral("Page B"));
  program_ = std::make_unique<TestProgram>();
  QDir().mkpath(favorites() + QStringLiteral("/Work"));
  const auto shortcut = [this](const QString& name, const QString& address) {
    QFile file(favorites() + QLatin1Char('/') + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[InternetShortcut]\r\nURL=" + address.toUtf8() + "\r\n");
  };
  shortcut(QStringLiteral("Page A.url"), server_.url(QStringLiteral("/a.html")).toString());
  shortcut(QStringLiteral("Work/Page B.url"), server_.url(QStringLiteral("/b.html")).toString());
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

void FavoritesTest::theMenuShowsTheTreeOfTheFavoritesFolder() {
  QVERIFY(!tree_->isVisible());
  QAction* view = action(QStringLiteral("View Favorites"));
  QVERIFY(view);
  view->trigger();
  QVERIFY(view->isChecked());
  QVERIFY(tree_->isVisible());
  QVERIFY(tree_->width() > 50 && tree_->height() > 50);
  QVERIFY(window_->findChild<QWidget*>(QStringLiteral("frmFav"))->isVisible());
  QCOMPARE(tree_->topLevelItemCount(), 1);
  QTreeWidgetItem* root = tree_->topLevelItem(0);
  QCOMPARE(root->text(0), favorites());
  QVERIFY(root->isExpanded());
  QCOMPARE(root->childCount(), 2);
  QCOMPARE(root->child(0)->text(0), QStringLiteral("Page A"));
  QCOMPARE(root->child(1)->text(0), QStringLiteral("Work"));
  QVERIFY(!root->child(1)->isExpanded());
  QVERIFY(!root->child(0)->icon(0).isNull());

  // "X" hides the pane; the menu shows it again with the same tree.
  window_->findChild<QPushButton*>(QStringLiteral("cmdFavCloseX"))->click();
  QVERIFY(!tree_->isVisible());
  QVERIFY(!view->isChecked());
  root->child(1)->setExpanded(true);
  view->trigger();
  QVERIFY(tree_->isVisible());
  QCOMPARE(tree_->topLevelItem(0), root);
  QVERIFY(root->child(1)->isExpanded());
}

void FavoritesTest::aFavoriteAnsweredYesOpensInTheTopPane() {
  auto* label = window_->findChild<QLabel*>(QStringLiteral("Label1"));
  auto* box = window_->findChild<QComboBox*>(QStringLiteral("cboAddress1"));
  StatusRecorder recorder(label);
  QStringList asked;
  onNextModal(answer(QStringLiteral("Do you want the Top Browser to open this?"), QMessageBox::Yes,
                     &asked));
  QTreeWidgetItem* pageA = item(QStringLiteral("Page A"));
  QVERIFY(pageA);
  QTest::mouseClick(tree_->viewport(), Qt::LeftButton, {}, tree_->visualItemRect(pageA).center());
  QCOMPARE(asked, QStringList{QStringLiteral("Do you want the Top Browser to open this?")});

  const QString address = server_.url(QStringLiteral("/a.html")).toString();
  QVERIFY(TestProgram::waitForPage(label, box, address));
  // The status poll says "working" until the page has loaded whole, then the title, and stops.
  auto* poll = window_->findChild<corvane::QtTimer*>(QStringLiteral("timTimer1"));
  QVERIFY(poll);
  QVERIFY(TestProgram::waitUntil([&] { return !poll->Enabled(); }));
  QCOMPARE(label->text(), QStringLiteral("Page Title: Page A"));
  const int going = recorder.texts.indexOf(QStringLiteral("Going to ") + address);
  const int working = recorder.texts.indexOf(QStringLiteral("Browser Status: Working..."));
  // The start page's last reports may still come in first.
  QVERIFY2(going >= 0 && working > going, qPrintable(recorder.texts.join(QStringLiteral(" | "))));
  QCOMPARE(server_.requestCount(QStringLiteral("/a.html")), 1);
  auto* bottom = window_->findChild<QComboBox*>(QStringLiteral("cboAddress2"));
  QVERIFY(bottom->currentText() != address);
}

void FavoritesTest::theTopPageIsAddedToTheFavorites() {
  QStringList asked;
  QString proposed;
  // Yes for the top pane, a name of our own in the dialog, No for the bottom pane.
  onNextModal([&](QWidget* first) {
    answer(QStringLiteral("Do you want to add Top Browser to Favorites?"), QMessageBox::Yes,
           &asked)(first);
    onNextModal(
        [&](QWidget* dialog) {
          auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtName"));
          if (!name) return;
          proposed = name->text();
          name->setText(QStringLiteral("Saved A"));
          onNextModal(answer(QStringLiteral("Do you want to add Bottom Browser to Favorites?"),
                             QMessageBox::No, &asked),
                      dialog);
          dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        },
        first);
  });
  window_->findChild<QPushButton*>(QStringLiteral("cmdAddFav"))->click();
  QCOMPARE(asked.size(), 2);
  QCOMPARE(proposed, QStringLiteral("Page A"));
  QFile saved(favorites() + QStringLiteral("/Saved A.url"));
  QVERIFY(saved.open(QIODevice::ReadOnly));
  QVERIFY(saved.readAll().contains("URL=" + server_.url(QStringLiteral("/a.html")).toEncoded() +
                                   "\r\n"));
  // The tree stays as built until the next run.
  QVERIFY(!item(QStringLiteral("Saved A")));
}

QWidget* FavoritesTest::homePagesWindow() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QStringLiteral("frmHomePageFav") && w->isVisible()) return w;
  }
  return nullptr;
}

void FavoritesTest::theHomePagesDialogWritesOnlyOnOk() {
  const QByteArray before = program_->readFile(QStringLiteral("cv.ini"));
  QAction* homePages = action(QStringLiteral("Enter Offline/Online Home Pages"));
  QVERIFY(homePages);
  homePages->trigger();
  const QPointer<QWidget> dialog = homePagesWindow();
  QVERIFY(dialog);
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Home Pages "));
  auto* top = dialog->findChild<QLineEdit*>(QStringLiteral("txtTBstart"));
  QVERIFY(top->text().startsWith(QStringLiteral("http://")));
  top->setText(QStringLiteral("http://edited.example/"));
  // Enter presses nothing; opening again keeps the edit.
  QTest::keyClick(top, Qt::Key_Return);
  homePages->trigger();
  QCOMPARE(homePagesWindow(), dialog.data());
  QCOMPARE(top->text(), QStringLiteral("http://edited.example/"));
  QCOMPARE(program_->readFile(QStringLiteral("cv.ini")), before);

  dialog->findChild<QPushButton*>(QStringLiteral("cmdUpdateHomePages"))->click();
  QVERIFY(TestProgram::waitUntil([&] { return dialog.isNull(); }));
  QVERIFY(program_->readFile(QStringLiteral("cv.ini")).contains("1=http://edited.example/"));

  // Closing the main window leaves an open Home Pages window open, and the program runs on until
  // that one is closed too.
  homePages->trigger();
  QWidget* open = homePagesWindow();
  QVERIFY(open);
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
