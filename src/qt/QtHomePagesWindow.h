#pragma once

#include <QPointer>

#include "platform/IHomePagesWindow.h"
#include "qt/frmHomePageFav.h"

namespace corvane {

// Creates the Home pages window when the dialog loads and lets it go when it unloads. The window
// stands on its own: it stays open when the main window closes, and the program goes on until
// it is closed too. Its message boxes stand over it.
class QtHomePagesWindow : public IHomePagesWindow, private IMessageBox {
 public:
  QtHomePagesWindow() = default;
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

 private:
  MsgBoxResult MsgBox(const std::string& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                      const std::string& title) override;

  QPointer<frmHomePageFav> window_;
};

}  // namespace corvane
