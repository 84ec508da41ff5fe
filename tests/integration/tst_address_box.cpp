// The address box adapter on a real QComboBox: the picks that come from neither the list nor a
// typed Enter (a user's Enter, list picks and leaving the box are driven end to end).
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "TestProgram.h"
#include "qt/QtAddressBox.h"

class AddressBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void upInTheClosedBoxIsAPickAndSelectingFromCodeIsNot();
};

void AddressBoxTest::upInTheClosedBoxIsAPickAndSelectingFromCodeIsNot() {
  QComboBox combo;
  auto* box = new corvane::QtAddressBox(&combo);
  QList<int> keys;
  int clicks = 0;
  box->setOnKeyPress([&](int16_t key) { keys.append(key); });
  box->setOnClick([&] { ++clicks; });
  box->AddItem("http://one.test/");
  box->AddItem("http://two.test/");
  box->SetListIndex(1);
  combo.show();
  QVERIFY(QTest::qWaitForWindowActive(&combo));
  combo.setFocus();
  QVERIFY(TestProgram::waitUntil([&] { return combo.hasFocus(); }, 2000));

  QTest::keyClick(&combo, Qt::Key_Up);
  QCOMPARE(clicks, 1);
  QCOMPARE(combo.currentText(), QStringLiteral("http://one.test/"));
  QVERIFY(!keys.contains(13));

  box->SetListIndex(1);
  QCOMPARE(clicks, 1);
  QCOMPARE(combo.currentText(), QStringLiteral("http://two.test/"));
}

QTEST_MAIN(AddressBoxTest)
#include "tst_address_box.moc"
