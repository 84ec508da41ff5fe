#include "qt/pane/StatusLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "qt/platform/ScreenReaderNotice.h"

namespace corvane {

namespace {

// A status line to screen readers: a status bar whose text is the line's whole text, read
// through the text interface as a reader's "read the status bar" command expects.
class AccessibleStatusLine : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AccessibleStatusLine(StatusLabel* label)
      : QAccessibleWidget(label, QAccessible::StatusBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return line();
    return QAccessibleWidget::text(t);
  }

  // QAccessibleTextInterface: the text, read-only, without a caret or a selection.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    return line().mid(start, end < 0 ? -1 : end - start);
  }
  int characterCount() const override { return static_cast<int>(line().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QString line() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* statusLineFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("corvane::StatusLabel") || !object) return nullptr;
  return new AccessibleStatusLine(static_cast<StatusLabel*>(object));
}

}  // namespace

StatusLabel::StatusLabel(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : QLabel(parent) {
  static const bool factoryInstalled = (QAccessible::installFactory(statusLineFactory), true);
  (void)factoryInstalled;
  setObjectName(objectName);
  setAccessibleName(accessibleName);
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

std::string StatusLabel::Caption() const { return text().toStdString(); }

void StatusLabel::SetCaption(const std::string& caption) {
  const QString text = QString::fromStdString(caption);
  const QString before = this->text();
  // A load says the same words many times over; each time would be two events to a screen
  // reader, which then falls behind and drops what comes next ("Page loaded").
  if (text == before) return;
  setText(text);
  if (QAccessible::isActive()) {
    QAccessibleTextUpdateEvent changed(this, 0, before, text);
    QAccessible::updateAccessibility(&changed);
  }
  setToolTip(text);
  setAccessibleDescription(text);
}

void StatusLabel::Announce(const std::string& text) {
  ScreenReaderNotice::say(this, QString::fromStdString(text));
}

void StatusLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect area = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                        shown, foregroundRole());
}

}  // namespace corvane
