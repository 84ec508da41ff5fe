#include "qt/dialogs/SecondaryWindows.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

#include "qt/dialogs/InternetOptionsDialog.h"
#include "qt/dialogs/frmAbout.h"
#include "qt/dialogs/frmTip.h"
#include "qt/platform/OnScreen.h"

namespace corvane {

namespace {

// How long a window brought forward takes the keys back from a late activation of another.
constexpr int kHoldForwardMs = 3000;

// Without a window manager, the window activated last takes the keys, and the window this one
// was brought over may be activated after it (the main window's own first activation, late on a
// busy machine). Until the window has had the keys once, it takes them back.
void holdForward(QWidget* window) {
  auto* hold = new QObject(window);
  QObject::connect(qApp, &QGuiApplication::focusWindowChanged, hold, [hold, window](QWindow* now) {
    if (!now) return;
    if (now == window->windowHandle() || !window->isVisible()) {
      hold->deleteLater();
      return;
    }
    window->raise();
    window->activateWindow();
  });
  QTimer::singleShot(kHoldForwardMs, hold, &QObject::deleteLater);
}

void bringForward(QWidget* window) {
  window->show();
  keepOnScreen(window);
  window->raise();
  window->activateWindow();
  if (!window->isActiveWindow()) holdForward(window);
}

// A window that has closed is gone, even while its deletion is still pending.
bool isOpen(const QWidget* window) { return window && window->isVisible(); }

void centreOver(QWidget* window, const QWidget* over) {
  if (!over) return;
  window->move(over->frameGeometry().center() - window->rect().center());
}

}  // namespace

SecondaryWindows::SecondaryWindows(Context context) : context_(std::move(context)) {}

SecondaryWindows::~SecondaryWindows() {
  // They use the main window's settings store, profile and handlers, which go after this.
  delete tip_.data();
  delete about_.data();
  delete options_.data();
}

void SecondaryWindows::ShowTipWindow() {
  if (isOpen(tip_)) {
    bringForward(tip_);
    return;
  }
  auto* tip = new frmTip(context_.store, context_.appName, context_.programFolder);
  tip_ = tip;
  if (!tip->Form_Load()) {
    // It has closed itself during its load and is on its way out; there is nothing to show.
    tip_ = nullptr;
    return;
  }
  centreOver(tip, context_.mainWindow);
  bringForward(tip);
}

void SecondaryWindows::ShowAboutBox() {
  if (!isOpen(about_)) about_ = new frmAbout(context_.onAboutLink);
  bringForward(about_);
}

void SecondaryWindows::ShowInternetOptions() {
  if (!isOpen(options_)) {
    options_ = new InternetOptionsDialog(
        {context_.profile, context_.forgetPageHistory, context_.optionsApplied, context_.store,
         context_.appName, context_.history},
        context_.mainWindow);
  }
  bringForward(options_);
}

void SecondaryWindows::CloseTipWindow() {
  if (tip_) tip_->close();
}

void SecondaryWindows::CloseAboutBox() {
  if (about_) about_->close();
}

void SecondaryWindows::CloseInternetOptions() {
  if (options_) options_->close();
}

}  // namespace corvane
