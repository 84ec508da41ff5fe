// The layout on the real window: where widgets land at given sizes, the favorites splitter.
#include <QMenuBar>
#include <QTest>

#include <cmath>

#include "TestProgram.h"
#include "layout/ControlId.h"
#include "qt/window/frmbrowser.h"

using corvane::ControlId;

class LayoutTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void init();
  void widgetsLandWhereTheLayoutRulesPutThem();
  void minimumSizeKeepsThePanesUsable();
  void favoritesSplitterFollowsThePointer();

 private:
  QWidget* widget(ControlId id) const;
  // Where the widget lies in client coordinates, in pixels.
  QRect placed(QWidget* w) const;
  void showBoth();

  std::unique_ptr<TestProgram> program_;
  corvane::frmbrowser* window_ = nullptr;
  QWidget* client_ = nullptr;
};

QWidget* LayoutTest::widget(ControlId id) const {
  return window_->findChild<QWidget*>(QString::fromLatin1(corvane::controlName(id)));
}

QRect LayoutTest::placed(QWidget* w) const {
  return QRect(w->mapTo(client_, QPoint(0, 0)), w->size());
}

void LayoutTest::initTestCase() {
  program_ = std::make_unique<TestProgram>();
  window_ = program_->startMainWindow();
  QVERIFY(window_);
  client_ = window_->centralWidget();
  QVERIFY(client_);
}

void LayoutTest::cleanupTestCase() { program_.reset(); }

void LayoutTest::init() { showBoth(); }

void LayoutTest::showBoth() {
  QTest::mouseClick(widget(ControlId::OptionBoth), Qt::LeftButton, {}, QPoint(5, 5));
  QVERIFY(widget(ControlId::brwWebBrowser2)->isVisible());
}

void LayoutTest::widgetsLandWhereTheLayoutRulesPutThem() {
  // Worked by hand for a client area of 800 x 600 pixels at 96 dpi (12000 x 9000 twips, 15 twips
  // a pixel), favorites hidden, both panes: each edge is the rule's twips divided by 15, rounded.
  QCOMPARE(client_->logicalDpiY(), 96);
  window_->resize(800, 600 + window_->menuBar()->height());
  QVERIFY(TestProgram::waitUntil([&] { return client_->size() == QSize(800, 600); }, 2000));
  // OuterWidth is the frame's width, whatever the platform draws around the client area.
  const int outer = window_->frameGeometry().width();
  const int progressLeft = qRound((outer * 15 - 1900) / 15.0);
  showBoth();
  const struct {
    ControlId id;
    QRect px;
  } expected[] = {
      // Left 30, Top 1015, Width 12000-100, Height 9000/2-1100.
      {ControlId::brwWebBrowser1, QRect(QPoint(2, 68), QPoint(794, 293))},
      // Top (9000-900) - 3400 - 100 = 4600.
      {ControlId::brwWebBrowser2, QRect(QPoint(2, 307), QPoint(794, 532))},
      // Top 4600 - 180, as Both places it; 180 high.
      {ControlId::browserSplit, QRect(QPoint(0, 295), QPoint(-1, 306))},
      // OuterWidth-1900, 360, 1575, 255.
      {ControlId::ProgressBar1,
       QRect(progressLeft, 24, qRound((outer * 15 + -1900 + 1575) / 15.0) - progressLeft, 17)},
  };
  for (const auto& e : expected) {
    const QRect got = placed(widget(e.id));
    const QString what = QString::fromLatin1(corvane::controlName(e.id));
    if (e.id == ControlId::browserSplit) {  // its width is the screen's; only Top and Height
      QCOMPARE(got.top(), e.px.top());
      QCOMPARE(got.height(), e.px.height());
      continue;
    }
    QVERIFY2(got == e.px, qPrintable(QStringLiteral("%1: %2,%3 %4x%5")
                                         .arg(what)
                                         .arg(got.x())
                                         .arg(got.y())
                                         .arg(got.width())
                                         .arg(got.height())));
  }
}

void LayoutTest::minimumSizeKeepsThePanesUsable() {
  // Smaller than the minimum is refused: no control of a pane's rows overlaps another and
  // each browser keeps a usable height (the split itself is the layout's unit test).
  window_->resize(120, 90);
  QApplication::processEvents();
  QVERIFY(client_->width() >= 672 && client_->height() >= 457);
  const QRect progress = placed(widget(ControlId::ProgressBar1));
  QVERIFY(!progress.intersects(placed(widget(ControlId::Label1))));
  QVERIFY(!progress.intersects(placed(widget(ControlId::tbToolBar1))));
  QVERIFY(placed(widget(ControlId::brwWebBrowser1)).bottom() <
          placed(widget(ControlId::brwWebBrowser2)).top());
  QVERIFY(widget(ControlId::brwWebBrowser1)->height() >= 150);
}

void LayoutTest::favoritesSplitterFollowsThePointer() {
  QWidget* bar = widget(ControlId::picSplit);
  const int left = placed(bar).left();
  const QColor window = window_->palette().color(QPalette::Window);
  const QColor highlight = window_->palette().color(QPalette::Highlight);
  // The favorites column is hidden until favorites are shown; the bar still tracks a drag.
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 10));
  QCOMPARE(bar->palette().color(QPalette::Window), highlight);
  QMouseEvent move(QEvent::MouseMove, QPointF(41, 10), bar->mapToGlobal(QPointF(41, 10)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(bar, &move);
  QVERIFY(std::abs(placed(bar).left() - (left + 41)) <= 1);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(0, 10));
  QCOMPARE(bar->palette().color(QPalette::Window), window);
  QVERIFY(std::abs(placed(bar).left() - (left + 41)) <= 1);
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
