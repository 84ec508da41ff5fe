#pragma once

#include <QObject>
#include <QTimer>

#include "platform/ITimer.h"

namespace corvane {

// ITimer over a QTimer on the UI thread.
class QtTimer : public QObject, public ITimer {
  Q_OBJECT
 public:
  QtTimer(int intervalMs, QObject* parent);

  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  int Interval() const override;
  void SetOnTick(std::function<void()> onTick) override;

 Q_SIGNALS:
  // After each tick's handler.
  void ticked();

 private:
  QTimer timer_;
  std::function<void()> onTick_;
};

}  // namespace corvane
