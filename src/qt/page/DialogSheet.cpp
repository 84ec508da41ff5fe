#include "qt/page/DialogSheet.h"

#include <QCheckBox>
#include <QEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "qt/page/PageOverlay.h"

namespace corvane {

DialogSheet::DialogSheet(QWebEngineView* view)
    // A sibling over the page, like the crash notice: a screen reader finds it as a control.
    : QFrame(view->parentWidget()),
      view_(view),
      window_(view->window()),
      title_(new QLabel(this)),
      text_(new QLabel(this)),
      value_(new QLineEdit(this)),
      stop_(new QCheckBox(tr("Don't let this page show more dialogs"), this)),
      ok_(new QPushButton(tr("OK"), this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
  setObjectName(view->objectName() + QStringLiteral("DialogSheet"));
  setAccessibleName(tr("Page dialog"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Window);
  title_->setObjectName(objectName() + QStringLiteral("Title"));
  title_->setTextFormat(Qt::PlainText);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  text_->setObjectName(objectName() + QStringLiteral("Text"));
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  value_->setObjectName(objectName() + QStringLiteral("Value"));
  value_->setAccessibleName(tr("Answer"));
  stop_->setObjectName(objectName() + QStringLiteral("Stop"));
  ok_->setObjectName(objectName() + QStringLiteral("OK"));
  cancel_->setObjectName(objectName() + QStringLiteral("Cancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(stop_);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* column = new QVBoxLayout(this);
  column->addWidget(title_);
  column->addWidget(text_);
  column->addWidget(value_);
  column->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, [this] { finish(true); });
  connect(cancel_, &QPushButton::clicked, this, [this] { finish(false); });
  view_->installEventFilter(this);
  if (window_) window_->installEventFilter(this);
  hide();
}

DialogSheet::~DialogSheet() { finish(false); }

bool DialogSheet::open(Kind kind, const QString& title, const QString& text, const QString& value,
                       bool offerStop, std::function<void(const Answer&)> done,
                       const QString& address) {
  if (windowClosed_ || done_) return false;
  kind_ = kind;
  done_ = std::move(done);
  title_->setText(title);
  fullText_ = text;
  address_ = text.contains(address) ? address : QString();
  text_->setText(text);
  setAccessibleDescription(text);
  value_->setVisible(kind == Kind::Prompt);
  value_->setText(value);
  cancel_->setVisible(kind != Kind::Alert);
  const bool outside = kind == Kind::OpenOutside;
  ok_->setText(outside ? tr("&Open") : kind == Kind::Leave ? tr("&Leave") : tr("OK"));
  cancel_->setText(outside ? tr("&Don't Open") : kind == Kind::Leave ? tr("&Stay") : tr("Cancel"));
  stop_->setChecked(false);
  stop_->setVisible(offerStop);
  place();
  show();
  raise();
  QWidget* focus = kind == Kind::Prompt ? static_cast<QWidget*>(value_) : outside ? cancel_ : ok_;
  focus->setFocus(Qt::OtherFocusReason);
  return true;
}

DialogSheet::Answer DialogSheet::ask(Kind kind, const QString& title, const QString& text,
                                     const QString& value, bool offerStop) {
  Answer answer;
  QEventLoop loop;
  const bool shown = open(kind, title, text, value, offerStop, [&](const Answer& given) {
    answer = given;
    loop.quit();
  });
  if (shown) loop.exec();
  return answer;
}

void DialogSheet::finish(bool accepted) {
  auto done = std::exchange(done_, nullptr);
  if (!done) return;
  // Gone at once: a sheet answered stays answered while another pane's sheet is still up.
  hide();
  Answer answer;
  answer.accepted = accepted || kind_ == Kind::Alert;
  answer.value = value_->text();
  answer.stopMore = !stop_->isHidden() && stop_->isChecked();
  done(answer);
}

void DialogSheet::moveTo(QWebEngineView* view) {
  if (view == view_) return;
  moveOverlay(this, view_, view);
  view_ = view;
  if (done_ && view_->isVisible()) {
    place();
    show();
    raise();
  }
}

void DialogSheet::place() {
  const QRect page = view_->geometry();
  showText();
  const int height = qMin(sizeHint().height(), page.height());
  setGeometry(page.x(), page.y(), page.width(), height);
}

void DialogSheet::showText() {
  if (address_.isEmpty()) return;
  // An address has no place to wrap: what does not fit leaves out its middle, visibly.
  const QMargins margins = contentsMargins() + layout()->contentsMargins();
  const int width = view_->width() - margins.left() - margins.right();
  const QString shown = text_->fontMetrics().elidedText(address_, Qt::ElideMiddle, width);
  text_->setText(QString(fullText_).replace(address_, shown));
}

void DialogSheet::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    finish(false);
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    finish(!cancel_->hasFocus());
  } else {
    QFrame::keyPressEvent(event);
  }
}

bool DialogSheet::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == window_) {
    // A closing window answers its pages' questions, and the pages ask none while it is shut.
    if (type == QEvent::Close) {
      windowClosed_ = true;
      finish(false);
    } else if (type == QEvent::Show) {
      windowClosed_ = false;
    }
  } else if (watched == view_ && done_) {
    if (type == QEvent::Resize || type == QEvent::Move) place();
    // A view mode that hides the pane hides its sheet; the page keeps waiting meanwhile.
    if (type == QEvent::Hide) hide();
    if (type == QEvent::Show) {
      place();
      show();
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace corvane
