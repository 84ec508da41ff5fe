#include "qt/pane/PageTabStrip.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>

#include <utility>

namespace corvane {

namespace {

// What a tab shows besides its title, kept as the tab's data.
constexpr int kLoading = 1;
constexpr int kMarked = 2;
// Wide enough for a title to be told apart, narrow enough for a few tabs side by side.
constexpr int kMaxTabWidthInCharacters = 24;

QString shownTitle(const std::string& title) {
  // A tab's text takes "&" for a mnemonic; a title is shown as it is.
  return QString::fromStdString(title).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

PageTabStrip::PageTabStrip(const QString& objectName, const QString& paneName, QWidget* parent)
    : QTabBar(parent) {
  setObjectName(objectName);
  setAccessibleName(tr("%1 page tabs").arg(paneName));
  setDocumentMode(true);
  setTabsClosable(true);
  setExpanding(false);
  setElideMode(Qt::ElideRight);
  setUsesScrollButtons(true);
  setSelectionBehaviorOnRemove(QTabBar::SelectPreviousTab);
  // Only the user's own choices are reported: the pane's changes come with signals blocked.
  connect(this, &QTabBar::currentChanged, this, [this](int index) {
    if (index >= 0) Q_EMIT showAsked(index);
  });
  connect(this, &QTabBar::tabCloseRequested, this, &PageTabStrip::closeAsked);
  hide();
}

void PageTabStrip::InsertTab(int index, const std::string& title) {
  const QSignalBlocker quiet(this);
  insertTab(index, shownTitle(title));
  setTabData(index, 0);
  SetTabTitle(index, title);
  nameCloseButton(index);
}

void PageTabStrip::RemoveTab(int index) {
  const QSignalBlocker quiet(this);
  removeTab(index);
  if (pressed_ == index) pressed_ = -1;
  if (middle_ == index) middle_ = -1;
}

void PageTabStrip::SetTabTitle(int index, const std::string& title) {
  if (index < 0 || index >= count()) return;
  setTabText(index, shownTitle(title));
  setAccessibleTabName(index, QString::fromStdString(title));
  showMark(index);
}

void PageTabStrip::SetTabLoading(int index, bool loading) {
  if (index < 0 || index >= count()) return;
  const int flags = tabData(index).toInt();
  setTabData(index, loading ? flags | kLoading : flags & ~kLoading);
  showMark(index);
}

void PageTabStrip::SetTabMarked(int index, bool marked) {
  if (index < 0 || index >= count()) return;
  const int flags = tabData(index).toInt();
  setTabData(index, marked ? flags | kMarked : flags & ~kMarked);
  showMark(index);
}

void PageTabStrip::SetCurrentTab(int index) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(index);
}

void PageTabStrip::SetStripVisible(bool visible) { setVisible(visible); }

void PageTabStrip::showMark(int index) {
  const int flags = tabData(index).toInt();
  const QString title = accessibleTabName(index);
  if (flags & kMarked) {
    setTabIcon(index, style()->standardIcon(QStyle::SP_MessageBoxWarning));
    setTabToolTip(index, tr("%1 (waiting for an answer)").arg(title));
  } else {
    setTabIcon(index, flags & kLoading ? style()->standardIcon(QStyle::SP_BrowserReload) : QIcon());
    setTabToolTip(index, title);
  }
}

void PageTabStrip::nameCloseButton(int index) {
  for (ButtonPosition side : {LeftSide, RightSide}) {
    if (QWidget* button = tabButton(index, side)) button->setAccessibleName(tr("Close page"));
  }
}

QSize PageTabStrip::tabSizeHint(int index) const {
  QSize size = QTabBar::tabSizeHint(index);
  size.setWidth(qMin(size.width(), fontMetrics().averageCharWidth() * kMaxTabWidthInCharacters));
  return size;
}

void PageTabStrip::mousePressEvent(QMouseEvent* event) {
  const int index = tabAt(event->position().toPoint());
  if (event->button() == Qt::MiddleButton) {
    middle_ = index;
    event->accept();
    return;
  }
  if (event->button() == Qt::LeftButton) {
    pressed_ = index;
    pressedAt_ = event->position().toPoint();
    dragging_ = false;
  }
  QTabBar::mousePressEvent(event);
}

void PageTabStrip::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (pressed_ >= 0 && !dragging_ && (event->buttons() & Qt::LeftButton) &&
      (at - pressedAt_).manhattanLength() >= QApplication::startDragDistance() &&
      !rect().contains(at)) {
    // Out of the strip, the tab is carried to wherever it is let go.
    dragging_ = true;
    setCursor(Qt::DragMoveCursor);
  }
  if (!dragging_) QTabBar::mouseMoveEvent(event);
}

void PageTabStrip::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    const int index = tabAt(event->position().toPoint());
    if (index >= 0 && index == std::exchange(middle_, -1)) Q_EMIT closeAsked(index);
    event->accept();
    return;
  }
  if (event->button() == Qt::LeftButton && dragging_) {
    dragging_ = false;
    unsetCursor();
    const int index = std::exchange(pressed_, -1);
    const QPoint where = event->globalPosition().toPoint();
    if (index >= 0 && !rect().contains(event->position().toPoint())) {
      Q_EMIT droppedAt(index, where);
    }
    event->accept();
    return;
  }
  pressed_ = -1;
  QTabBar::mouseReleaseEvent(event);
}

void PageTabStrip::contextMenuEvent(QContextMenuEvent* event) {
  const int index = tabAt(event->pos());
  auto* menu = new QMenu(this);
  menu->setObjectName(objectName() + QStringLiteral("Menu"));
  menu->setAccessibleName(tr("Page tab menu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(tr("&New Page"), this, &PageTabStrip::newPageAsked);
  if (index >= 0) {
    menu->addAction(tr("&Move Page to Other Pane"), this,
                    [this, index] { Q_EMIT moveAsked(index); });
    menu->addAction(tr("&Close Page"), this, [this, index] { Q_EMIT closeAsked(index); });
  }
  menu->addAction(tr("&Reopen Closed Page"), this, &PageTabStrip::reopenAsked);
  menu->popup(event->globalPos());
}

}  // namespace corvane
