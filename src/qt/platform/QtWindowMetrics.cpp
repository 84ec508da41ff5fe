#include "qt/platform/QtWindowMetrics.h"

#include <QMainWindow>
#include <QScreen>
#include <QWidget>

namespace corvane {

namespace {

constexpr float kTwipsPerInch = 1440.0f;

float toTwips(int pixels, int dpi) {
  return static_cast<float>(pixels) * kTwipsPerInch / static_cast<float>(dpi > 0 ? dpi : 96);
}

}  // namespace

QtWindowMetrics::QtWindowMetrics(const QMainWindow* window) : window_(window) {}

float QtWindowMetrics::ClientWidth() const {
  const QWidget* client = window_->centralWidget();
  return client ? toTwips(client->width(), client->logicalDpiX()) : 0.0f;
}

float QtWindowMetrics::ClientHeight() const {
  const QWidget* client = window_->centralWidget();
  return client ? toTwips(client->height(), client->logicalDpiY()) : 0.0f;
}

float QtWindowMetrics::OuterWidth() const {
  return toTwips(window_->frameGeometry().width(), window_->logicalDpiX());
}

float QtWindowMetrics::ScreenWidth() const {
  const QScreen* screen = window_->screen();
  return screen ? toTwips(screen->geometry().width(), window_->logicalDpiX()) : 0.0f;
}

}  // namespace corvane
