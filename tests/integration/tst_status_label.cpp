// A status line too narrow for its text: cut with an ellipsis on screen, whole everywhere else.
#include <QLabel>
#include <QTest>

#include "qt/StatusLabel.h"

class StatusLabelTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
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
};

QTEST_MAIN(StatusLabelTest)
#include "tst_status_label.moc"
