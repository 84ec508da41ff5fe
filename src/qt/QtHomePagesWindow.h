#pragma once

#include <QPointer>

#include "platform/IHomePagesWindow.h"
#include "qt/frmHomePageFav.h"

class QWidget;

namespace corvane {

// Creates the Home pages window when the dialog loads and lets it go when it unloads.
class QtHomePagesWindow : public IHomePagesWindow {
 public:
  // parent: the window the Home pages window belongs to; it stays open when that one closes.
  explicit QtHomePagesWindow(QWidget* parent) : parent_(parent) {}
  ~QtHomePagesWindow() override;

  bool IsLoaded() const override { return !window_.isNull(); }
  void Load(IHomePagesEvents& events) override;
  std::string Text(HomePageField field) const override;
  void SetText(HomePageField field, const std::string& text) override;
  void Show() override;
  void Unload() override;

  // The window while it is loaded, else nullptr.
  frmHomePageFav* window() const { return window_.data(); }

 private:
  QWidget* parent_;
  QPointer<frmHomePageFav> window_;
};

}  // namespace corvane
