// The address box adapter on a real QComboBox: the picks that come from neither the list nor a
// typed Enter (a user's Enter, list picks and leaving the box are driven end to end).
#include <QComboBox>
#include <QTest>

#include "qt/QtAddressBox.h"

class AddressBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void selectingFromCodeIsNoPick();
};

void AddressBoxTest::selectingFromCodeIsNoPick() {
  QComboBox combo;
  auto* box = new corvane::QtAddressBox(&combo);
  int clicks = 0;
  box->setOnClick([&] { ++clicks; });
  box->AddItem("http://one.test/");
  box->AddItem("http://two.test/");
  box->SetListIndex(1);
  box->SetListIndex(0);
  QCOMPARE(clicks, 0);
  QCOMPARE(combo.currentText(), QStringLiteral("http://one.test/"));
}

QTEST_MAIN(AddressBoxTest)
#include "tst_address_box.moc"
