#include "qt/page/FullScreenWindow.h"

#include <QAction>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace corvane {

namespace {
constexpr int kHintMs = 3000;
}

FullScreenWindow::FullScreenWindow(QWebEngineView* paneView)
    : QWidget(paneView->window(), Qt::Window),
      view_(new QWebEngineView(this)),
      paneView_(paneView),
      hint_(new QLabel(tr("Press Esc to leave full screen"), this)) {
  setObjectName(QStringLiteral("FullScreenWindow"));
  setWindowTitle(paneView->title());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  view_->setObjectName(QStringLiteral("fullScreenView"));
  view_->setAccessibleName(tr("Full screen page"));
  // The page asks to leave; its request ends this window (see BrowserPage).
  auto* leave = new QAction(this);
  leave->setShortcut(Qt::Key_Escape);
  connect(leave, &QAction::triggered, this,
          [this] { view_->triggerPageAction(QWebEnginePage::ExitFullScreen); });
  addAction(leave);
  view_->setPage(paneView_->page());
  hint_->setObjectName(QStringLiteral("fullScreenHint"));
  hint_->setAutoFillBackground(true);
  hint_->setMargin(8);
  hint_->adjustSize();
  QTimer::singleShot(kHintMs, hint_, &QWidget::hide);
  // Where no window manager makes a full-screen window fill its screen, it is sized to it.
  setGeometry(paneView->screen()->geometry());
  showFullScreen();
  hint_->move((width() - hint_->width()) / 2, hint_->height());
  hint_->raise();
  view_->setFocus(Qt::OtherFocusReason);
}

FullScreenWindow::~FullScreenWindow() {
  if (!paneView_ || !view_->page()) return;
  paneView_->setPage(view_->page());
  paneView_->setFocus(Qt::OtherFocusReason);
}

}  // namespace corvane
