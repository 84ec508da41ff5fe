// A page printed to a PDF file on the real engine: the window that tells the end of a print that
// lasted more than a moment.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>

#include "TestProgram.h"
#include "qt/engine/PagePrinting.h"

class PagePrintingTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aPrintThatLastedTheMomentSaysItIsCompleteThoughItsWindowsTurnCameLate();
};

void PagePrintingTest::aPrintThatLastedTheMomentSaysItIsCompleteThoughItsWindowsTurnCameLate() {
  QTemporaryDir folder;
  QVERIFY(folder.isValid());
  QWidget window;
  window.resize(400, 300);
  auto* view = new QWebEngineView(&window);
  view->resize(400, 300);
  window.show();
  bool loaded = false;
  connect(view, &QWebEngineView::loadFinished, this, [&](bool ok) { loaded = ok; });
  view->setHtml(QStringLiteral("<p>A few words worth keeping on paper.</p>"));
  QVERIFY(TestProgram::waitUntil([&] { return loaded; }));
  auto* printing = new corvane::PagePrinting(view);

  // The print dialog is answered as a user would: the file's name, then Print.
  const QString target = folder.filePath(QStringLiteral("words.pdf"));
  QElapsedTimer printed;
  QTimer answer;
  connect(&answer, &QTimer::timeout, this, [&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("filename")) : nullptr;
    if (!name) return;
    answer.stop();
    name->setText(target);
    dialog->accept();
  });
  answer.start(20);

  // The window's thread comes late, as on a busy machine: the end of the print is taken up only
  // once the window's moment has passed, in the same turn of the event loop as the window's
  // timer, and ahead of it.
  connect(view->page(), &QWebEnginePage::pdfPrintingFinished, this, [&] {
    const auto* progress = window.findChild<QProgressDialog*>(QStringLiteral("PrintProgress"));
    while (progress && printed.elapsed() <= progress->minimumDuration()) {
    }
  });
  printing->print(true, QStringLiteral("words"));
  // The print has begun by now, a little before.
  printed.start();
  QVERIFY(TestProgram::waitUntil([&] { return QFileInfo::exists(target); }, 30000));

  const auto* progress = window.findChild<QProgressDialog*>(QStringLiteral("PrintProgress"));
  QVERIFY(progress && progress->isVisible());
  QCOMPARE(progress->labelText(), QStringLiteral("words.pdf is complete."));
}

QTEST_MAIN(PagePrintingTest)
#include "tst_page_printing.moc"
