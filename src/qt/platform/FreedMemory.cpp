#include "qt/platform/FreedMemory.h"

#include <QCoreApplication>
#include <QTimer>

#include <malloc.h>

namespace corvane {

namespace {
// After the engine has let go of what went with the view, which it does in its own time.
constexpr int kGiveBackAfterMs = 3000;
}  // namespace

void giveBackFreedMemorySoon() {
  static QTimer* timer = nullptr;
  if (!timer) {
    if (!QCoreApplication::instance()) return;
    timer = new QTimer(QCoreApplication::instance());
    timer->setSingleShot(true);
    timer->setInterval(kGiveBackAfterMs);
    QObject::connect(timer, &QTimer::timeout, [] { malloc_trim(0); });
    QObject::connect(QCoreApplication::instance(), &QObject::destroyed, [] { timer = nullptr; });
  }
  timer->start();
}

}  // namespace corvane
