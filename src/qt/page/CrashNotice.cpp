#include "qt/page/CrashNotice.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "qt/page/PageOverlay.h"

namespace corvane {

CrashNotice::CrashNotice(QWebEngineView* view)
    // A sibling over the page, like the find bar: a screen reader finds it as a control.
    : QFrame(view->parentWidget()), view_(view), text_(new QLabel(this)) {
  setObjectName(view->objectName() + QStringLiteral("CrashNotice"));
  setAccessibleName(tr("Page stopped"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::ToolTipBase);
  text_->setObjectName(objectName() + QStringLiteral("Text"));
  text_->setAccessibleName(tr("Page stopped notice"));
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  auto* reload = new QPushButton(tr("&Reload"), this);
  reload->setObjectName(objectName() + QStringLiteral("Reload"));
  reload->setAccessibleName(tr("Reload stopped page"));
  auto* row = new QHBoxLayout(this);
  row->addWidget(text_, 1);
  row->addWidget(reload);
  connect(reload, &QPushButton::clicked, this, [this] {
    stopped_ = false;
    hide();
    view_->page()->triggerAction(QWebEnginePage::Reload);
  });
  watchLoads();
  view_->installEventFilter(this);
  hide();
}

void CrashNotice::watchLoads() {
  disconnect(loads_);
  loads_ = connect(view_, &QWebEngineView::loadStarted, this, [this] {
    stopped_ = false;
    hide();
  });
}

void CrashNotice::moveTo(QWebEngineView* view) {
  if (view == view_) return;
  moveOverlay(this, view_, view);
  view_ = view;
  watchLoads();
  if (stopped_ && view_->isVisible()) showNotice(text_->text());
}

void CrashNotice::showNotice(const QString& text) {
  stopped_ = true;
  text_->setText(text);
  place();
  show();
  raise();
}

void CrashNotice::place() {
  const QRect page = view_->geometry();
  setGeometry(page.x(), page.y(), page.width(), sizeHint().height());
}

bool CrashNotice::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Resize || type == QEvent::Move) && isVisible()) place();
    // A view mode that hides the pane hides its notice; the page stays stopped meanwhile.
    if (type == QEvent::Hide) hide();
    if (type == QEvent::Show && stopped_) showNotice(text_->text());
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace corvane
