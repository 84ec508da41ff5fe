#pragma once

#include <QWidget>

class QMouseEvent;

namespace corvane {

// A plain bar the user drags. It reports the pointer in twips relative to its own top-left
// corner; while a button is held it keeps the mouse, so positions may be negative or beyond it.
class SplitterBar : public QWidget {
  Q_OBJECT

 public:
  explicit SplitterBar(Qt::CursorShape cursor, QWidget* parent = nullptr);

 Q_SIGNALS:
  void pressed(float x, float y);
  void moved(float x, float y);
  void released(float x, float y);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPointF toTwips(const QPointF& pixels) const;
};

}  // namespace corvane
