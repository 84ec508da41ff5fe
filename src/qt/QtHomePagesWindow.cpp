#include "qt/QtHomePagesWindow.h"

#include <QLineEdit>

#include "qt/QtMessageBox.h"

namespace corvane {

QtHomePagesWindow::~QtHomePagesWindow() {
  // Its events go to logic that goes with this adapter.
  delete window_.data();
}

void QtHomePagesWindow::Load(IHomePagesEvents& events) {
  if (window_) return;
  // Without a parent: a window that belongs to another ends the program with it.
  window_ = new frmHomePageFav(events, nullptr);
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
