#include "qt/page/PaneNotice.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QWebEngineView>

#include "qt/page/PageOverlay.h"

namespace corvane {

PaneNotice::PaneNotice(QWebEngineView* view, const QString& name, int row)
    : QFrame(view->parentWidget()),
      view_(view),
      row_(row),
      text_(new QLabel(this)),
      buttons_(new QHBoxLayout) {
  setObjectName(view->objectName() + name);
  setAccessibleName(tr("Page notice"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::ToolTipBase);
  text_->setObjectName(objectName() + QStringLiteral("Text"));
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  auto* row_layout = new QHBoxLayout(this);
  row_layout->addWidget(text_, 1);
  row_layout->addLayout(buttons_);
  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName(objectName() + QStringLiteral("Close"));
  close->setAccessibleName(tr("Close notice"));
  row_layout->addWidget(close);
  connect(close, &QPushButton::clicked, this, [this] {
    shown_ = false;
    hide();
    if (dismissed_) dismissed_();
  });
  view_->installEventFilter(this);
  hide();
}

void PaneNotice::addButton(const QString& text, const QString& name, std::function<void()> act) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(objectName() + name);
  buttons_->addWidget(button);
  connect(button, &QPushButton::clicked, this, [this, act] {
    shown_ = false;
    hide();
    act();
  });
}

void PaneNotice::showNotice(const QString& text) {
  shown_ = true;
  text_->setText(text);
  setAccessibleDescription(text);
  place();
  show();
  raise();
}

void PaneNotice::withdraw() {
  shown_ = false;
  hide();
}

void PaneNotice::moveTo(QWebEngineView* view) {
  if (view == view_) return;
  moveOverlay(this, view_, view);
  view_ = view;
  if (shown_ && view_->isVisible()) showNotice(text_->text());
}

void PaneNotice::place() {
  const QRect page = view_->geometry();
  const int height = sizeHint().height();
  setGeometry(page.x(), page.bottom() + 1 - height * (row_ + 1), page.width(), height);
}

bool PaneNotice::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Resize || type == QEvent::Move) && isVisible()) place();
    if (type == QEvent::Hide) hide();
    if (type == QEvent::Show && shown_) showNotice(text_->text());
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace corvane
