#pragma once

#include <QPointer>

#include "platform/IHomePagesWindow.h"
#include "qt/dialogs/frmHomePageFav.h"

namespace corvane {

// Creates the Home pages window when the dialog loads and lets it go when it unloads. The window
// stands on its own: it stays open when the main window closes, and the program goes on until
// it is closed too. While the main window is open it stays above it, as its dialog; its
// message boxes stand over it.
class QtHomePagesWindow : public IHomePagesWindow, private IMessageBox {
 public:
  // mainWindow: the window it stays above; must outlive this.
  explicit QtHomePagesWindow(QWidget* mainWindow) : mainWindow_(mainWindow) {}
  ~QtHomePagesWindow() override;

  bool IsLoaded() const override { return !window_.isNull(); }
  void Load(IHomePagesEvents& events) override;
  std::string Text(HomePageField field) const override;
  void SetText(HomePageField field, const std::string& text) override;
  void Show() override;
  void Unload() override;
  IMessageBox& Messages() override { return *this; }

  // The window while it is loaded, else nullptr.
  frmHomePageFav* window() const { return window_.data(); }
  // The main window is closing: the window goes on alone, and keeps the program running.
  void Release();

 private:
  MsgBoxResult MsgBox(const std::string& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                      const std::string& title) override;

  // Ties the window to the main window's: the window system keeps it above that one.
  void stayAbove(QWidget* owner);

  QWidget* mainWindow_;
  QPointer<frmHomePageFav> window_;
};

}  // namespace corvane
