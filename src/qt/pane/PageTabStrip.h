#pragma once

#include <QPoint>
#include <QTabBar>

#include "platform/IPageTabs.h"

namespace corvane {

// The strip of page tabs above a pane's page: a page tab list for screen readers, each tab
// named by its page's title. A click or the arrow keys show a page; the close button, Ctrl+F4
// and a middle click close one; a tab dragged out of the strip and let go over the other pane
// moves its page there; its menu opens a new page, moves, closes and reopens pages. The strip
// only reports what the user did: what becomes of the pages is the pane's.
class PageTabStrip : public QTabBar, public IPageTabs {
  Q_OBJECT
 public:
  // paneName: the pane the strip belongs to, as a screen reader names it ("Top").
  PageTabStrip(const QString& objectName, const QString& paneName, QWidget* parent);

  // IPageTabs; none of them reports back as the user's choice.
  void InsertTab(int index, const std::string& title) override;
  void RemoveTab(int index) override;
  void SetTabTitle(int index, const std::string& title) override;
  void SetTabLoading(int index, bool loading) override;
  void SetTabMarked(int index, bool marked) override;
  void SetCurrentTab(int index) override;
  void SetStripVisible(bool visible) override;

 Q_SIGNALS:
  void showAsked(int index);
  void closeAsked(int index);
  void moveAsked(int index);
  // A tab was dragged out of the strip and let go at `where`, on the screen.
  void droppedAt(int index, const QPoint& where);
  void newPageAsked();
  void reopenAsked();

 protected:
  QSize tabSizeHint(int index) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void showMark(int index);
  void nameCloseButton(int index);

  // The tab a left button went down on, while it may still be dragged out.
  int pressed_ = -1;
  QPoint pressedAt_;
  bool dragging_ = false;
  // The tab a middle button went down on.
  int middle_ = -1;
};

}  // namespace corvane
