#pragma once

#include <QObject>

#include <functional>
#include <optional>

#include "panes/PaneKeys.h"
#include "qt/pane/PaneWindows.h"

class QKeyEvent;
class QWidget;

namespace corvane {

// The keys every browser has (F5, Ctrl+L, Alt+Left, Esc, Ctrl+C in a page, Ctrl+T and the other
// keys of a pane's pages, ...) and the reader view's (F9, F6) for the pane that holds the focus,
// and F10 for the menu bar. They are caught before the focused widget and the window's menu
// shortcuts see them, so that the Edit menu's Ctrl+C names the top pane only when chosen from the
// menu; the keys the logic leaves to a text field go on as before.
class PaneShortcuts : public QObject {
  Q_OBJECT
 public:
  // Watches the keys of `window` and everything in it, for as long as the window lives. `panes`
  // and `keys` outlive it.
  PaneShortcuts(QWidget* window, const PaneWindows& panes, PaneKeys& keys,
                std::function<void()> openMenuBar);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The pane command of a key, if it has one.
  static std::optional<PaneKey> commandOf(const QKeyEvent& key);
  static bool isMenuBarKey(const QKeyEvent& key);

  QWidget* window_;
  const PaneWindows& panes_;
  PaneKeys& keys_;
  std::function<void()> openMenuBar_;
};

}  // namespace corvane
