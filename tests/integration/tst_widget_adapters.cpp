// Widget adapters on real widgets, for what the end-to-end tests leave out: a status line too
// narrow for its text, and the address box's picks that come from neither the list nor a typed
// Enter (a user's Enter, list picks and leaving the box are driven end to end).
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "qt/pane/QtAddressBox.h"
#include "qt/pane/StatusLabel.h"

class WidgetAdaptersTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Cut with an ellipsis on screen, whole everywhere else.
  void aLongTitleIsElidedButKeptWhole() {
    corvane::StatusLabel status(QStringLiteral("Label1"), QStringLiteral("Top status"), nullptr);
    status.resize(160, 24);
    const std::string title =
        "Page Title: A page whose title is far longer than any status line could ever show";
    status.SetCaption(title);
    const QString whole = QString::fromStdString(title);
    QCOMPARE(status.Caption(), title);
    QCOMPARE(status.text(), whole);
    QCOMPARE(status.toolTip(), whole);
    QCOMPARE(status.accessibleDescription(), whole);

    // On screen: what a label shows for the text cut to the width with "…", not the text
    // clipped mid-letter.
    const QString elided =
        status.fontMetrics().elidedText(whole, Qt::ElideRight, status.contentsRect().width());
    QVERIFY(elided.endsWith(QChar(0x2026)));
    const auto drawn = [&](const QString& text) {
      QLabel label(text);
      label.setFont(status.font());
      label.setAlignment(status.alignment());
      label.resize(status.size());
      return label.grab().toImage();
    };
    QCOMPARE(status.grab().toImage(), drawn(elided));
    QVERIFY(status.grab().toImage() != drawn(whole));
  }

  void selectingAnAddressFromCodeIsNoPick() {
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
};

QTEST_MAIN(WidgetAdaptersTest)
#include "tst_widget_adapters.moc"
