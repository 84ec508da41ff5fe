// The address box adapter on a real QComboBox: which keys and picks it reports, and how often.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

#include "TestProgram.h"
#include "qt/QtAddressBox.h"

class AddressBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();
  void everyTypedKeyIsReportedOnceWhereverItArrives();
  void endingAnEditIsNeverAClick();
  void picksFromTheListAreClicks();

 private:
  void typeInto(QWidget* target, const QString& text);

  std::unique_ptr<QWidget> window_;
  QComboBox* combo_ = nullptr;
  QLineEdit* other_ = nullptr;
  corvane::QtAddressBox* box_ = nullptr;
  QList<int> keys_;
  int clicks_ = 0;
};

void AddressBoxTest::init() {
  window_ = std::make_unique<QWidget>();
  auto* layout = new QVBoxLayout(window_.get());
  combo_ = new QComboBox(window_.get());
  other_ = new QLineEdit(window_.get());
  layout->addWidget(combo_);
  layout->addWidget(other_);
  box_ = new corvane::QtAddressBox(combo_);
  keys_.clear();
  clicks_ = 0;
  box_->setOnKeyPress([this](int16_t key) { keys_.append(key); });
  box_->setOnClick([this] { ++clicks_; });
  box_->AddItem("http://one.test/");
  box_->AddItem("http://two.test/");
  box_->SetListIndex(0);
  window_->show();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  combo_->setFocus();
  QVERIFY(TestProgram::waitUntil([&] { return combo_->hasFocus(); }, 2000));
  combo_->lineEdit()->clear();
}

void AddressBoxTest::cleanup() { window_.reset(); }

void AddressBoxTest::typeInto(QWidget* target, const QString& text) {
  for (const QChar c : text) QTest::keyClick(target, c.toLatin1());
}

void AddressBoxTest::everyTypedKeyIsReportedOnceWhereverItArrives() {
  // A key pressed on the keyboard is delivered to the focused box, which hands it on.
  typeInto(combo_, QStringLiteral("ab"));
  QTest::keyClick(combo_, Qt::Key_Return);
  QTest::keyClick(combo_, Qt::Key_Enter, Qt::KeypadModifier);
  // A key sent to the edit field itself.
  typeInto(combo_->lineEdit(), QStringLiteral("c"));
  QTest::keyClick(combo_->lineEdit(), Qt::Key_Return);
  // A key without a character is the box's own.
  QTest::keyClick(combo_, Qt::Key_Left);

  QCOMPARE(keys_, QList<int>({'a', 'b', 13, 13, 'c', 13}));
  QCOMPARE(combo_->currentText(), QStringLiteral("abc"));
  QCOMPARE(clicks_, 0);
}

void AddressBoxTest::endingAnEditIsNeverAClick() {
  // The text of an entry that is not the selected one, which the box would otherwise select.
  typeInto(combo_, QStringLiteral("http://two.test/"));
  QTest::keyClick(combo_, Qt::Key_Return);
  QCOMPARE(keys_.count(13), 1);
  QCOMPARE(clicks_, 0);

  other_->setFocus();
  QVERIFY(TestProgram::waitUntil([&] { return other_->hasFocus(); }, 2000));
  QCOMPARE(clicks_, 0);
  QCOMPARE(combo_->currentIndex(), 0);
  QCOMPARE(combo_->currentText(), QStringLiteral("http://two.test/"));
}

void AddressBoxTest::picksFromTheListAreClicks() {
  // Alt+Down opens the list; its own keys choose.
  QTest::keyClick(combo_, Qt::Key_Down, Qt::AltModifier);
  QAbstractItemView* view = combo_->view();
  QVERIFY(TestProgram::waitUntil([&] { return view->isVisible(); }, 2000));
  QTest::keyClick(view, Qt::Key_Down);
  QTest::keyClick(view, Qt::Key_Return);
  QVERIFY(TestProgram::waitUntil([&] { return !view->isVisible(); }, 2000));
  QCOMPARE(clicks_, 1);
  QCOMPARE(combo_->currentText(), QStringLiteral("http://two.test/"));
  QVERIFY(!keys_.contains(13));

  // Up in the closed box steps to the entry above and counts as a pick too.
  QTest::keyClick(combo_, Qt::Key_Up);
  QCOMPARE(clicks_, 2);
  QCOMPARE(combo_->currentText(), QStringLiteral("http://one.test/"));

  // Selecting from code is no pick.
  box_->SetListIndex(1);
  QCOMPARE(clicks_, 2);
}

QTEST_MAIN(AddressBoxTest)
#include "tst_address_box.moc"
