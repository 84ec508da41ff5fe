// Both panes as real browsers: what the box, list and status line show for an untitled page, a
// failure, a held-back image and a home-folder path to a missing file.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

#include "LoopbackHttpServer.h"
#include "TestProgram.h"
#include "qt/window/frmbrowser.h"

namespace {
// Long enough for everything a pane shows for a page to be checked before the image comes.
constexpr int kImageHeldMs = 5000;
}  // namespace

class NavigationTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void untitledAndFailedPagesStillComplete();
  void pageCompletesWhileItsImageIsHeldBack();
  void homeFolderPathToAMissingFileGetsTheEnginesErrorPage();

 private:
  QComboBox* box(int n) const { return TestProgram::box(window_, n); }
  QLabel* status(int n) const { return TestProgram::status(window_, n); }
  QWebEngineView* view(int n) const { return TestProgram::view(window_, n); }
  static QString pageText(QWebEngineView* view);
  void type(QComboBox* box, const QString& text);
  bool go(int n, const QString& typed, const QString& reported);
  static QStringList items(QComboBox* box);

  LoopbackHttpServer server_;
  std::unique_ptr<TestProgram> program_;
  corvane::frmbrowser* window_ = nullptr;
};

QString NavigationTest::pageText(QWebEngineView* view) {
  QString text;
  bool done = false;
  view->page()->toPlainText([&](const QString& plain) {
    text = plain;
    done = true;
  });
  TestProgram::waitUntil([&] { return done; });
  return text;
}

QStringList NavigationTest::items(QComboBox* box) {
  QStringList list;
  for (int i = 0; i < box->count(); ++i) list << box->itemText(i);
  return list;
}

void NavigationTest::type(QComboBox* box, const QString& text) {
  box->lineEdit()->clear();
  box->setFocus();
  QTest::keyClicks(box, text);
}

bool NavigationTest::go(int n, const QString& typed, const QString& reported) {
  type(box(n), typed);
  QTest::keyClick(box(n), Qt::Key_Return);
  return TestProgram::waitForPage(status(n), box(n), reported);
}

void NavigationTest::initTestCase() {
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/a.html"), QStringLiteral("Page A"));
  server_.addRaw(QStringLiteral("/untitled.html"), 200, "text/html", "<p>no title here</p>");
  // A page whose document comes at once but whose image the server holds back.
  server_.addPage(QStringLiteral("/held.html"), QStringLiteral("Held Page"),
                  QStringLiteral("<a href=\"/a.html\" style=\"display:block;height:150px\">A</a>"
                                 "<img src=\"/held.png\">"));
  server_.addRaw(QStringLiteral("/held.png"), 200, "image/png", "not really a picture");
  server_.holdBack(QStringLiteral("/held.png"), kImageHeldMs);

  program_ = std::make_unique<TestProgram>();
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  // Let the offline home pages finish so that they don't race the tests' own loads.
  const QString top = QUrl::fromLocalFile(program_->filePath(QStringLiteral("cv.html"))).toString();
  QVERIFY(TestProgram::waitForPage(status(1), box(1), top));
}

void NavigationTest::cleanupTestCase() { program_.reset(); }

void NavigationTest::untitledAndFailedPagesStillComplete() {
  // A page without a title is named by its address, which the engine's stand-in is not.
  const QString untitled = server_.url(QStringLiteral("/untitled.html")).toString();
  QVERIFY(go(1, untitled, untitled));
  QCOMPARE(status(1)->text(), QStringLiteral("Page Title: ") + untitled);
  const QString missing = server_.url(QStringLiteral("/missing.html")).toString();
  QVERIFY(go(1, missing, missing));
  QCOMPARE(status(1)->text(), QStringLiteral("Page Title: Not Found"));
}

void NavigationTest::pageCompletesWhileItsImageIsHeldBack() {
  struct {
    QComboBox* box;
    QLabel* status;
    QProgressBar* progress;
  } w{box(1), status(1), window_->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))};
  const QString address = server_.url(QStringLiteral("/held.html")).toString();
  // Every text the status line shows from Enter to the end of the load.
  QStringList shown;
  QTimer watch;
  connect(&watch, &QTimer::timeout, this, [&] {
    if (shown.isEmpty() || shown.last() != w.status->text()) shown << w.status->text();
  });
  type(w.box, address);
  QTest::keyClick(w.box->lineEdit(), Qt::Key_Return);
  QCOMPARE(w.status->text(), QStringLiteral("Going to ") + address);
  watch.start(1);

  // The page is there: box, list and title, while its image is still on its way.
  QVERIFY(TestProgram::waitUntil([&] {
    return w.box->currentText() == address && items(w.box).value(0) == address &&
           w.status->text() == QStringLiteral("Page Title: Held Page");
  }));
  QCOMPARE(server_.responseCount(QStringLiteral("/held.png")), 0);

  // A link under the pointer shows its address; leaving it brings the loading text back.
  // The pointer keeps moving until the page under it has been laid out.
  QWidget* surface = view(1)->focusProxy();
  QWindow* window = surface->window()->windowHandle();
  QVERIFY(window);
  int moves = 0;
  const auto pointAt = [&](int y) {
    return [&, y] {
      if (moves++ % 20 == 0) {
        QTest::mouseMove(window, surface->mapTo(surface->window(), QPoint(40 + moves % 7, y)));
      }
      return false;
    };
  };
  const QString link = server_.url(QStringLiteral("/a.html")).toString();
  const auto overLink = pointAt(150);  // below the heading, on the link
  QVERIFY(TestProgram::waitUntil([&] { return w.status->text() == link || overLink(); }, 5000));
  const auto offLink = pointAt(4);  // the page's margin
  QVERIFY(TestProgram::waitUntil(
      [&] {
        return w.status->text() == QStringLiteral("Loading ") + address + QStringLiteral("...") ||
               offLink();
      },
      5000));
  QCOMPARE(server_.responseCount(QStringLiteral("/held.png")), 0);

  // The load ends when the image has come, and not before (the server answers before the
  // engine has the image, so the end is awaited).
  QVERIFY(TestProgram::waitUntil([&] {
    return server_.responseCount(QStringLiteral("/held.png")) == 1 && w.progress->value() == 0 &&
           w.status->text() == QStringLiteral("Page Title: Held Page");
  }));
  watch.stop();
  QVERIFY2(!shown.contains(QString()), qPrintable(shown.join(QStringLiteral(" | "))));
  // "Going to" stands until the page's own loading text.
  QVERIFY2(shown.value(1) == QStringLiteral("Loading ") + address + QStringLiteral("..."),
           qPrintable(shown.join(QStringLiteral(" | "))));
}

void NavigationTest::homeFolderPathToAMissingFileGetsTheEnginesErrorPage() {
  const QString name = QStringLiteral("corvane-missing-%1.html")
                           .arg(QRandomGenerator::global()->generate64(), 0, 16);
  const QString address = QUrl::fromLocalFile(QDir::home().filePath(name)).toString();
  QVERIFY(go(2, QStringLiteral("~/") + name, address));
  QCOMPARE(items(box(2)).value(0), address);
  QVERIFY(pageText(view(2)).contains(QStringLiteral("ERR_FILE_NOT_FOUND")));
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
