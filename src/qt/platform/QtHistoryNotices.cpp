#include "qt/platform/QtHistoryNotices.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QWidget>

#include "platform/IMessageBox.h"

namespace corvane {

QtHistoryNotices::QtHistoryNotices(QWidget* window) : window_(window) {}

void QtHistoryNotices::HistoryNotice(const std::string& message) {
  // Posted to this object, which lives on the window's thread; dropped if it goes first.
  QMetaObject::invokeMethod(
      this, [this, text = QString::fromStdString(message)] { arrived(text); },
      Qt::QueuedConnection);
}

void QtHistoryNotices::arrived(const QString& text) {
  if (shown_ || !waiting_.isEmpty()) return;
  if (window_->isVisible()) return show(text);
  waiting_ = text;
  window_->installEventFilter(this);
}

bool QtHistoryNotices::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Show && !waiting_.isEmpty()) {
    window_->removeEventFilter(this);
    // Once the window's own showing is through, so that the box stands over it.
    QMetaObject::invokeMethod(
        this, [this] { show(waiting_); }, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}

void QtHistoryNotices::show(const QString& text) {
  if (shown_) return;
  shown_ = true;
  auto* box = new QMessageBox(QMessageBox::Warning, QString::fromLatin1(IMessageBox::kProgramTitle),
                              text, QMessageBox::Ok, window_);
  box->setObjectName(QStringLiteral("MsgBox"));
  box->setTextFormat(Qt::PlainText);
  box->setAttribute(Qt::WA_DeleteOnClose);
  if (auto* buttons = box->findChild<QDialogButtonBox*>())
    buttons->setAccessibleName(tr("Buttons"));
  if (auto* picture = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) {
    picture->setAccessibleName(tr("Message icon"));
  }
  // Over the window, without a loop of its own: the notice may come in the midst of anything.
  box->open();
}

}  // namespace corvane
