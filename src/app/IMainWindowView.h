#pragma once

#include "layout/Layout.h"
#include "menus/MenuBar.h"

namespace corvane {

// What the main window's logic asks of the window that shows it.
class IMainWindowView {
 public:
  IMainWindowView() = default;
  IMainWindowView(const IMainWindowView&) = delete;
  IMainWindowView& operator=(const IMainWindowView&) = delete;
  virtual ~IMainWindowView() = default;

  // Shows the window, modeless.
  virtual void Show() = 0;
  // Shows the layout on the controls: what changed since the last time.
  virtual void ShowLayout(const Layout& layout) = 0;
  // Shows the menus' check marks.
  virtual void ShowMenus(const MenuBar& menus) = 0;
  // Closes the window the way its close box does, which unloads it.
  virtual void Close() = 0;
  // The two browsers exchange their pages, each page with its history and its load under way;
  // each browser goes on reporting to its own pane.
  virtual void SwapPages() = 0;
};

}  // namespace corvane
