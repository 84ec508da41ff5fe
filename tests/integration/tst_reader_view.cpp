// The reader view in the real window: F9, the View menu and Esc on a page with an article around
// navigation, a sidebar and comments; its text, headings and links; a page without an article.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWheelEvent>

#include "LoopbackHttpServer.h"
#include "TestProgram.h"
#include "qt/window/frmbrowser.h"

namespace {

const char kWords[] =
    "The harbour master keeps a log of every ship that comes in and goes out, with the hour, "
    "the tide, the weather and the cargo, and the log has been kept in the same hand-bound "
    "books since the first stone of the quay was laid, more than two hundred years ago.";

QString articlePage() {
  const QString words = QString::fromLatin1(kWords);
  return QStringLiteral(
             "<header><nav><a href=\"/\">NavHome</a> <a href=\"/news\">NavNews</a></nav></header>"
             "<div class=\"sidebar\"><ul><li><a href=\"/a\">SidebarOne</a></li></ul></div>"
             "<article><h1>Notes from the harbour</h1><p>First paragraph. %1</p>"
             "<h2>Tides</h2><p>%1 See <a href=\"/linked.html\">the tide tables</a>.</p>"
             "<ul><li>First item</li><li>Second item</li></ul>"
             "<h2>Weather</h2><p>%1</p><p>%1</p></article>"
             "<section class=\"comments\"><p>CommentText from a reader.</p></section>")
      .arg(words);
}

}  // namespace

class ReaderViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void f9ShowsTheArticleAndEscReturnsToThePage();
  void headingsMoveTheTextAndLinksOpenThroughThePane();
  void theViewMenuAndZoomReachTheirPane();
  void theArticleGoesWithItsPageWhenThePanesSwap();
  void aPageWithoutAnArticleSaysSoInItsStatusLine();

 private:
  QComboBox* box(int n) const { return TestProgram::box(window_, n); }
  QLabel* status(int n) const { return TestProgram::status(window_, n); }
  QWebEngineView* view(int n) const { return TestProgram::view(window_, n); }
  template <typename W>
  W* part(int n, const char* name) const {
    return window_->findChild<W*>(view(n)->objectName() + QLatin1String(name));
  }
  QTextBrowser* text(int n) const { return part<QTextBrowser>(n, "ReaderText"); }
  QAction* menuItem(const QString& text) const;
  bool reading(int n) const { return text(n) && text(n)->isVisible(); }
  bool go(int n, const QString& path);
  // Presses `key` where the keyboard focus is, as a user would.
  static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  LoopbackHttpServer server_;
  std::unique_ptr<TestProgram> program_;
  corvane::frmbrowser* window_ = nullptr;
};

void ReaderViewTest::initTestCase() {
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/article.html"), QStringLiteral("Notes from the harbour"),
                  articlePage());
  server_.addPage(QStringLiteral("/linked.html"), QStringLiteral("Tide Tables"));
  server_.addPage(QStringLiteral("/short.html"), QStringLiteral("Short"),
                  QStringLiteral("<p>Nothing much.</p>"));
  program_ = std::make_unique<TestProgram>();
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  QVERIFY(program_->waitForHomePages(window_));
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_));
}

void ReaderViewTest::cleanupTestCase() { program_.reset(); }

bool ReaderViewTest::go(int n, const QString& path) {
  const QString address = server_.url(path).toString();
  box(n)->setFocus();
  box(n)->setEditText(address);
  QTest::keyClick(box(n), Qt::Key_Return);
  if (!TestProgram::waitForPage(status(n), box(n), address)) return false;
  view(n)->setFocus();
  return true;
}

void ReaderViewTest::press(int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

void ReaderViewTest::f9ShowsTheArticleAndEscReturnsToThePage() {
  QVERIFY(go(1, QStringLiteral("/article.html")));
  QVERIFY(view(1)->isAncestorOf(QApplication::focusWidget()));
  press(Qt::Key_F9);
  QVERIFY(TestProgram::waitUntil([&] { return reading(1); }));
  const QString shown = text(1)->toPlainText();
  QVERIFY(shown.startsWith(QStringLiteral("Notes from the harbour\n")));
  QVERIFY(shown.contains(QStringLiteral("\u2022 First item\n")));
  QVERIFY(shown.contains(QStringLiteral("the tide tables")));
  for (const char* around : {"NavHome", "SidebarOne", "CommentText"}) {
    QVERIFY2(!shown.contains(QLatin1String(around)), around);
  }
  QCOMPARE(QApplication::focusWidget(), text(1));
  QCOMPARE(text(1)->geometry().translated(text(1)->parentWidget()->pos()).topLeft(),
           view(1)->geometry().topLeft());
  // The page stays the pane's, its address and all.
  QCOMPARE(box(1)->currentText(), server_.url(QStringLiteral("/article.html")).toString());

  // The caret moves line by line, and is where it was left when the view comes back.
  press(Qt::Key_Down);
  press(Qt::Key_Down);
  const int at = text(1)->textCursor().position();
  QVERIFY(at > 0);
  press(Qt::Key_Escape);
  QVERIFY(!reading(1));
  QVERIFY(view(1)->isAncestorOf(QApplication::focusWidget()) ||
          QApplication::focusWidget() == view(1));
  press(Qt::Key_F9);
  QVERIFY(reading(1));
  QCOMPARE(text(1)->textCursor().position(), at);
  press(Qt::Key_F9);
  QVERIFY(!reading(1));
}

void ReaderViewTest::headingsMoveTheTextAndLinksOpenThroughThePane() {
  view(1)->setFocus();
  press(Qt::Key_F9);
  QVERIFY(TestProgram::waitUntil([&] { return reading(1); }));
  // F6: the text, the headings, the links, the address box.
  auto* headings = part<QListWidget>(1, "ReaderHeadings");
  auto* links = part<QListWidget>(1, "ReaderLinks");
  QCOMPARE(headings->count(), 3);
  QCOMPARE(headings->item(2)->text(), QStringLiteral("Weather"));
  press(Qt::Key_F6);
  QCOMPARE(QApplication::focusWidget(), headings);
  press(Qt::Key_Down);
  press(Qt::Key_Down);
  press(Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), text(1));
  QCOMPARE(text(1)->textCursor().block().text(), QStringLiteral("Weather"));
  press(Qt::Key_F6);
  press(Qt::Key_F6);
  QCOMPARE(QApplication::focusWidget(), links);
  QCOMPARE(links->currentItem()->text(), QStringLiteral("the tide tables"));
  // Tab goes through the view's parts in the covered page's place.
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), headings);
  press(Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), links);
  press(Qt::Key_F6);
  QCOMPARE(QApplication::focusWidget(), box(1));
  press(Qt::Key_F6);
  QCOMPARE(QApplication::focusWidget(), text(1));

  // A link opens as if typed into the pane's box; the new page takes the view away.
  press(Qt::Key_F6);
  press(Qt::Key_F6);
  press(Qt::Key_Return);
  QVERIFY(TestProgram::waitForPage(status(1), box(1),
                                   server_.url(QStringLiteral("/linked.html")).toString()));
  QVERIFY(!reading(1));
  QWidget* focus = QApplication::focusWidget();
  QVERIFY2(view(1)->isAncestorOf(focus), focus ? qPrintable(focus->objectName()) : "none");
  // Back on the article, its reader view comes again.
  press(Qt::Key_Left, Qt::AltModifier);
  QVERIFY(TestProgram::waitForPage(status(1), box(1),
                                   server_.url(QStringLiteral("/article.html")).toString()));
  press(Qt::Key_F9);
  QVERIFY(TestProgram::waitUntil([&] { return reading(1); }));
  press(Qt::Key_Escape);
}

void ReaderViewTest::theViewMenuAndZoomReachTheirPane() {
  QVERIFY(go(2, QStringLiteral("/article.html")));
  QMenu* menu = window_->menuBar()->findChild<QMenu*>(QStringLiteral("mnuSource"));
  QVERIFY(menu);
  QAction* item = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->text() == QStringLiteral("Bottom Browser Reader View")) item = action;
  }
  QVERIFY(item);
  // Asked for with the focus in the top pane, it is the bottom pane's all the same.
  box(1)->setFocus();
  item->trigger();
  QVERIFY(TestProgram::waitUntil([&] { return reading(2); }));
  QVERIFY(!reading(1));
  // The article has the keys; from the other pane, the way back to the page is its article.
  QCOMPARE(QApplication::focusWidget(), text(2));
  press(Qt::Key_F6, Qt::ShiftModifier);
  QVERIFY(view(1)->isAncestorOf(QApplication::focusWidget()));
  press(Qt::Key_F6, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), text(2));
  const qreal before = text(2)->document()->defaultFont().pointSizeF();
  press(Qt::Key_Equal, Qt::ControlModifier);
  QVERIFY(view(2)->zoomFactor() > 1.0);
  QVERIFY(text(2)->document()->defaultFont().pointSizeF() > before);
  press(Qt::Key_0, Qt::ControlModifier);
  QCOMPARE(view(2)->zoomFactor(), 1.0);
  // Ctrl and the wheel over the text zoom the pane too.
  QWheelEvent wheel(QPointF(20, 20), text(2)->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                    QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(text(2)->viewport(), &wheel);
  QVERIFY(view(2)->zoomFactor() > 1.0);
  QVERIFY(text(2)->document()->defaultFont().pointSizeF() > before);
  press(Qt::Key_0, Qt::ControlModifier);
  // A darker desktop: the links take its colour.
  QPalette dark = QApplication::palette();
  dark.setColor(QPalette::Link, QColor(0x80, 0xc0, 0xff));
  QApplication::setPalette(dark);
  const auto linkColour = [this] {
    const QTextCursor link = text(2)->document()->find(QStringLiteral("the tide tables"));
    return link.charFormat().foreground().color();
  };
  QTRY_COMPARE(linkColour(), QColor(0x80, 0xc0, 0xff));
  item->trigger();
  QVERIFY(!reading(2));

  // The page's own menu has it too, last.
  QWidget* surface = view(2)->focusProxy();
  QTest::mouseMove(surface, QPoint(20, 20));
  QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(20, 20));
  QMenu* pageMenu = nullptr;
  QVERIFY(TestProgram::waitUntil([&] {
    pageMenu = view(2)->findChild<QMenu*>(QStringLiteral("pageContextMenu"));
    return pageMenu && pageMenu->isVisible();
  }));
  QCOMPARE(pageMenu->actions().constLast()->objectName(), QStringLiteral("readerViewAction"));
  pageMenu->actions().constLast()->trigger();
  pageMenu->close();
  QVERIFY(TestProgram::waitUntil([&] { return reading(2); }));
  press(Qt::Key_Escape);
  QVERIFY(!reading(2));
}

QAction* ReaderViewTest::menuItem(const QString& text) const {
  for (QAction* action : window_->menuBar()->findChildren<QAction*>()) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

void ReaderViewTest::theArticleGoesWithItsPageWhenThePanesSwap() {
  QVERIFY(go(1, QStringLiteral("/article.html")));
  QVERIFY(go(2, QStringLiteral("/short.html")));
  view(1)->setFocus();
  press(Qt::Key_F9);
  QVERIFY(TestProgram::waitUntil([&] { return reading(1); }));
  QTextBrowser* article = text(1);
  QAction* swap = menuItem(QStringLiteral("Swap Panes"));
  QVERIFY(swap);
  swap->trigger();
  // Over the bottom pane now, named after it; the keys stay in their pane, on the page that came
  // there.
  QCOMPARE(text(2), article);
  QVERIFY(reading(2) && !reading(1));
  QCOMPARE(article->parentWidget()->geometry(), view(2)->geometry());
  QVERIFY(view(1)->isAncestorOf(QApplication::focusWidget()));
  // Esc is the bottom pane's now, and leaves it.
  article->setFocus();
  press(Qt::Key_Escape);
  QVERIFY(!reading(2));
  QCOMPARE(box(2)->currentText(), server_.url(QStringLiteral("/article.html")).toString());
  swap->trigger();
}

void ReaderViewTest::aPageWithoutAnArticleSaysSoInItsStatusLine() {
  // Once the page has loaded: the end of its load has the last word in the status line.
  QSignalSpy loaded(view(1)->page(), &QWebEnginePage::loadFinished);
  QVERIFY(go(1, QStringLiteral("/short.html")));
  QVERIFY(TestProgram::waitUntil([&] { return !loaded.isEmpty(); }));
  press(Qt::Key_F9);
  QVERIFY(TestProgram::waitUntil([&] {
    return status(1)->text() == QStringLiteral("Reader view is not available for this page");
  }));
  QVERIFY(!reading(1));
  QCOMPARE(box(1)->currentText(), server_.url(QStringLiteral("/short.html")).toString());
}

QTEST_MAIN(ReaderViewTest)
#include "tst_reader_view.moc"
