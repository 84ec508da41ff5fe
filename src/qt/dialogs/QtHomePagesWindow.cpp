#include "qt/dialogs/QtHomePagesWindow.h"

#include <QLineEdit>
#include <QWindow>

#include "qt/platform/OnScreen.h"

#include "qt/platform/QtMessageBox.h"

namespace corvane {

QtHomePagesWindow::~QtHomePagesWindow() {
  // Its events go to logic that goes with this adapter.
  delete window_.data();
}

void QtHomePagesWindow::Load(IHomePagesEvents& events) {
  if (window_) return;
  // Without a parent, which would end it with the main window; only its place is tied to it.
  window_ = new frmHomePageFav(events, nullptr);
  stayAbove(mainWindow_);
}

void QtHomePagesWindow::stayAbove(QWidget* owner) {
  if (!window_) return;
  window_->winId();
  QWindow* own = window_->windowHandle();
  if (!own) return;
  if (owner) owner->winId();
  own->setTransientParent(owner ? owner->windowHandle() : nullptr);
}

void QtHomePagesWindow::Release() {
  // A window tied to another does not keep the program running by itself.
  stayAbove(nullptr);
}

std::string QtHomePagesWindow::Text(HomePageField field) const {
  if (!window_) return {};
  return window_->field(field)->text().toStdString();
}

void QtHomePagesWindow::SetText(HomePageField field, const std::string& text) {
  if (window_) window_->field(field)->setText(QString::fromStdString(text));
}

void QtHomePagesWindow::Show() {
  if (!window_) return;
  window_->show();
  keepOnScreen(window_);
  window_->raise();
  window_->activateWindow();
}

void QtHomePagesWindow::Unload() {
  frmHomePageFav* window = window_.data();
  window_.clear();
  if (window) window->unload();
}

MsgBoxResult QtHomePagesWindow::MsgBox(const std::string& text, MsgBoxButtons buttons,
                                       MsgBoxIcon icon, const std::string& title) {
  return QtMessageBox(window_.data()).MsgBox(text, buttons, icon, title);
}

}  // namespace corvane
