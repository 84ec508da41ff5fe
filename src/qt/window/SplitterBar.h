#pragma once

#include <QWidget>

class QKeyEvent;
class QMouseEvent;

namespace corvane {

// A plain bar the user drags. It reports the pointer in twips relative to its own top-left
// corner; while a button is held it keeps the mouse, so positions may be negative or beyond it.
// The keyboard moves it too: with the focus on the bar, the arrow keys along its direction of
// travel (Shift for bigger steps) report a short drag, as a press, a move and a release would.
// A screen reader sees it as a splitter whose value is its position in pixels, and may set it.
class SplitterBar : public QWidget {
  Q_OBJECT

 public:
  // travel: the direction the bar moves in (Qt::Vertical for a bar between a top and a bottom).
  explicit SplitterBar(Qt::Orientation travel, QWidget* parent = nullptr);

  Qt::Orientation travel() const { return travel_; }
  // Turns the bar, its pointer and its keys, to travel the other way.
  void setTravel(Qt::Orientation travel);
  // The bar's position along its travel, in pixels within its parent.
  int position() const;
  // Moves the bar by delta pixels along its travel, as a drag from its edge would.
  void moveBy(int deltaPixels);

 Q_SIGNALS:
  void pressed(float x, float y);
  void moved(float x, float y);
  void released(float x, float y);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPointF toTwips(const QPointF& pixels) const;

  Qt::Orientation travel_;
};

}  // namespace corvane
