// The File menu on the real window: page setup and print to a PDF file, and close.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include "LoopbackHttpServer.h"
#include "ModalDialogs.h"
#include "TestProgram.h"
#include "qt/frmbrowser.h"

class PageCommandsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void printGoesToAPdfFileInThePageLayoutOfTheLastPageSetup();
  void closeItemClosesTheWindow();

 private:
  QAction* menuItem(const char* name) const;
  QWebEngineView* view(int n) const { return TestProgram::view(window_, n); }
  QComboBox* box(int n) const { return TestProgram::box(window_, n); }
  QLabel* status(int n) const { return TestProgram::status(window_, n); }
  bool go(int n, const QString& path);

  LoopbackHttpServer server_;
  QTemporaryDir out_;
  std::unique_ptr<TestProgram> program_;
  corvane::frmbrowser* window_ = nullptr;
};

QAction* PageCommandsTest::menuItem(const char* name) const {
  return window_->findChild<QAction*>(QString::fromLatin1(name));
}

bool PageCommandsTest::go(int n, const QString& path) {
  const QString address = server_.url(path).toString();
  box(n)->lineEdit()->setText(address);
  QTest::keyClick(box(n)->lineEdit(), Qt::Key_Return);
  return TestProgram::waitForPage(status(n), box(n), address);
}

void PageCommandsTest::initTestCase() {
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/article.html"), QStringLiteral("Crows"),
                  QStringLiteral("<p>Crows are clever. A crow remembers faces; CROWS gather.</p>"));
  server_.addPage(QStringLiteral("/other.html"), QStringLiteral("Other"));
  QVERIFY(out_.isValid());
  program_ = std::make_unique<TestProgram>();
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  QVERIFY(go(1, QStringLiteral("/article.html")));
  QVERIFY(go(2, QStringLiteral("/other.html")));
}

void PageCommandsTest::cleanupTestCase() { program_.reset(); }

namespace {
// The first page's size in points, from the PDF's own MediaBox.
QSizeF firstMediaBox(const QByteArray& pdf) {
  const QRegularExpression box(
      QStringLiteral(R"(/MediaBox\s*\[\s*([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+))"));
  const QRegularExpressionMatch m = box.match(QString::fromLatin1(pdf));
  if (!m.hasMatch()) return {};
  return {m.captured(3).toDouble() - m.captured(1).toDouble(),
          m.captured(4).toDouble() - m.captured(2).toDouble()};
}

QByteArray readWhenWritten(const QString& path) {
  QByteArray bytes;
  TestProgram::waitUntil(
      [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return false;
        bytes = file.readAll();
        return bytes.startsWith("%PDF") && bytes.contains("%%EOF");
      },
      30000);
  return bytes;
}
}  // namespace

void PageCommandsTest::printGoesToAPdfFileInThePageLayoutOfTheLastPageSetup() {
  QVERIFY(go(1, QStringLiteral("/article.html")));
  const auto printTo = [](const QString& path, bool accept = true) {
    return [path, accept](QPrintDialog* dialog) {
      dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(path);
      accept ? dialog->accept() : dialog->reject();
    };
  };
  // A cancelled print dialog prints nothing: a pane prints one page at a time, so once the next
  // print is written, a print the cancel had started would have been written too (or the next
  // one refused).
  const QString cancelled = out_.filePath(QStringLiteral("cancelled.pdf"));
  whenModal<QPrintDialog>(QStringLiteral("dlgPrint"), printTo(cancelled, false));
  menuItem("mnuFile(8)")->trigger();
  const QString portrait = out_.filePath(QStringLiteral("portrait.pdf"));
  whenModal<QPrintDialog>(QStringLiteral("dlgPrint"), printTo(portrait));
  menuItem("mnuFile(8)")->trigger();
  const QByteArray first = readWhenWritten(portrait);
  QVERIFY(first.startsWith("%PDF"));
  // Text stays text: the engine's own PDF carries the fonts, where pictures of pages have none.
  QVERIFY(first.contains("/FontFile"));
  QVERIFY(!QFile::exists(cancelled));
  const QSizeF upright = firstMediaBox(first);
  QVERIFY(upright.height() > upright.width());

  whenModal<QPageSetupDialog>(QStringLiteral("dlgPageSetup"), [](QPageSetupDialog* dialog) {
    dialog->findChild<QRadioButton*>(QStringLiteral("landscape"))->click();
    dialog->accept();
  });
  menuItem("mnuFile(6)")->trigger();
  const QString landscape = out_.filePath(QStringLiteral("landscape.pdf"));
  whenModal<QPrintDialog>(QStringLiteral("dlgPrint"), printTo(landscape));
  menuItem("mnuFile(8)")->trigger();
  const QSizeF wide = firstMediaBox(readWhenWritten(landscape));
  QVERIFY(wide.width() > wide.height());

  // The other pane keeps its own printer: upright still.
  const QString bottom = out_.filePath(QStringLiteral("bottom.pdf"));
  whenModal<QPrintDialog>(QStringLiteral("dlgPrint"), printTo(bottom));
  menuItem("mnuFile(9)")->trigger();
  const QSizeF other = firstMediaBox(readWhenWritten(bottom));
  QVERIFY(other.height() > other.width());
}

void PageCommandsTest::closeItemClosesTheWindow() {
  QVERIFY(window_->isVisible());
  menuItem("mnuFile(11)")->trigger();
  QVERIFY(!window_->isVisible());
}

QTEST_MAIN(PageCommandsTest)
#include "tst_pagecommands.moc"
