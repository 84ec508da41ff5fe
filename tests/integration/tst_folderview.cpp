// Folder view on the real window: open a local file through the File menu, step through its
// folder with the toolbar, and leave folder view with a plain web page.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "LoopbackHttpServer.h"
#include "ModalDialogs.h"
#include "TestProgram.h"
#include "qt/PaneToolbar.h"
#include "qt/frmbrowser.h"

class FolderViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void openedFileSwitchesFolderViewOnAndTheToolbarStepsThroughTheFolder();
  void plainWebPageEndsFolderView();

 private:
  struct PaneWidgets {
    QComboBox* box;
    QLabel* status;
    corvane::PaneToolbar* toolbar;
  };
  PaneWidgets pane(int n) const;
  QAction* menuItem(const char* name) const;
  QString slide(const QString& name) const { return QDir(slides_.path()).filePath(name); }
  static QString fileAddress(const QString& path) { return QUrl::fromLocalFile(path).toString(); }
  void click(int n, const char* key);
  // Opens the file in pane n through the File menu, the dialog answered as a user would.
  void openThroughTheMenu(int n, const QString& path);

  LoopbackHttpServer server_;
  QTemporaryDir slides_;
  std::unique_ptr<TestProgram> program_;
  corvane::frmbrowser* window_ = nullptr;
};

namespace {
const QString kFolderMessage = QStringLiteral(
    "View folder contents (%1 files total) is on. Use back and forward navigation buttons to view "
    "contents of this folder.");

bool enabled(corvane::PaneToolbar* toolbar, int position) {
  return toolbar->button(position)->isEnabled();
}
}  // namespace

FolderViewTest::PaneWidgets FolderViewTest::pane(int n) const {
  const QString digit = QString::number(n);
  return {window_->findChild<QComboBox*>(QStringLiteral("cboAddress") + digit),
          window_->findChild<QLabel*>(QStringLiteral("Label") + digit),
          window_->findChild<corvane::PaneToolbar*>(QStringLiteral("tbToolBar") + digit)};
}

QAction* FolderViewTest::menuItem(const char* name) const {
  return window_->findChild<QAction*>(QString::fromLatin1(name));
}

void FolderViewTest::click(int n, const char* key) {
  const QString name = QStringLiteral("tbToolBar%1_%2").arg(n).arg(QLatin1String(key));
  auto* button = window_->findChild<QToolButton*>(name);
  QVERIFY2(button, qPrintable(name));
  QTest::mouseClick(button, Qt::LeftButton);
}

void FolderViewTest::openThroughTheMenu(int n, const QString& path) {
  whenModal<QFileDialog>(QStringLiteral("cdb1"),
                         [path](QFileDialog* dialog) { typeFileName(dialog, path); });
  menuItem(n == 1 ? "mnuFile(0)" : "mnuFile(1)")->trigger();
}

void FolderViewTest::initTestCase() {
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/web.html"), QStringLiteral("On The Web"));
  QVERIFY(slides_.isValid());
  // In name order: a.html, b.xls, c.txt, d.html; and a hidden file that is never listed.
  const auto write = [this](const char* name, const QByteArray& bytes) {
    QFile file(slide(QString::fromLatin1(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  };
  write("a.html", "<html><head><title>Slide A</title></head><body>A</body></html>");
  write("b.xls", "not shown");
  write("c.txt", "plain text C");
  write("d.html", "<html><head><title>Slide D</title></head><body>D</body></html>");
  write(".hidden.html", "<title>Hidden</title>");

  program_ = std::make_unique<TestProgram>();
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  for (int n : {1, 2}) {
    const QString home = fileAddress(
        program_->filePath(n == 1 ? QStringLiteral("cv.html") : QStringLiteral("CVguide.html")));
    QVERIFY(TestProgram::waitForPage(pane(n).status, pane(n).box, home));
  }
}

void FolderViewTest::cleanupTestCase() { program_.reset(); }

void FolderViewTest::openedFileSwitchesFolderViewOnAndTheToolbarStepsThroughTheFolder() {
  const PaneWidgets w = pane(1);
  QVERIFY(!enabled(w.toolbar, 1));
  openThroughTheMenu(1, slide(QStringLiteral("d.html")));
  QVERIFY(TestProgram::waitUntil([&] { return w.status->text() == kFolderMessage.arg(4); }, 20000));
  QCOMPARE(w.box->currentText(), fileAddress(slide(QStringLiteral("d.html"))));
  QVERIFY(enabled(w.toolbar, 1));
  QVERIFY(enabled(w.toolbar, 2));

  // Forward: entry 0 is stepped over, entry 1 (a spreadsheet) leaves the page as it is.
  click(1, "Forward");
  TestProgram::waitUntil([] { return false; }, 300);
  QCOMPARE(w.box->currentText(), fileAddress(slide(QStringLiteral("d.html"))));
  // The top pane shows text files stepping forward.
  click(1, "Forward");
  QVERIFY(TestProgram::waitUntil([&] {
    return w.box->currentText() == fileAddress(slide(QStringLiteral("c.txt"))) &&
           w.status->text() == kFolderMessage.arg(4);
  }));
  click(1, "Forward");
  QVERIFY(TestProgram::waitUntil(
      [&] { return w.box->currentText() == fileAddress(slide(QStringLiteral("d.html"))); }));
  QVERIFY(!enabled(w.toolbar, 2));
  QVERIFY(enabled(w.toolbar, 1));

  // Back passes over the text file and the spreadsheet to the first file.
  click(1, "Back");
  click(1, "Back");
  click(1, "Back");
  QVERIFY(TestProgram::waitUntil([&] {
    return w.box->currentText() == fileAddress(slide(QStringLiteral("a.html"))) &&
           w.status->text() == kFolderMessage.arg(4);
  }));
  QVERIFY(!enabled(w.toolbar, 1));
  QVERIFY(enabled(w.toolbar, 2));
  // The other pane is not in folder view.
  QVERIFY(!enabled(pane(2).toolbar, 2));
}

void FolderViewTest::plainWebPageEndsFolderView() {
  const PaneWidgets w = pane(2);
  openThroughTheMenu(2, slide(QStringLiteral("a.html")));
  QVERIFY(TestProgram::waitUntil([&] { return w.status->text() == kFolderMessage.arg(4); }));
  const QString web = server_.url(QStringLiteral("/web.html")).toString();
  w.box->lineEdit()->setText(web);
  QTest::keyClick(w.box->lineEdit(), Qt::Key_Return);
  QVERIFY(TestProgram::waitForPage(w.status, w.box, web));
  QCOMPARE(w.status->text(), QStringLiteral("Page Title: On The Web"));
  // Back follows the history again and goes back to the file.
  QVERIFY(TestProgram::waitUntil([&] { return enabled(w.toolbar, 1); }));
  click(2, "Back");
  QVERIFY(TestProgram::waitUntil(
      [&] { return w.box->currentText() == fileAddress(slide(QStringLiteral("a.html"))); }));
  QVERIFY(TestProgram::waitUntil([&] { return enabled(w.toolbar, 2); }));
}

QTEST_MAIN(FolderViewTest)
#include "tst_folderview.moc"
