#include "qt/pane/PaneShortcuts.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QTextEdit>
#include <QWidget>

#include <utility>

namespace corvane {

namespace {

bool isTextField(const QWidget* widget) {
  // The reader view's text copies and selects its own.
  if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)) return true;
  const auto* box = qobject_cast<const QComboBox*>(widget);
  return box && box->isEditable();
}

}  // namespace

PaneShortcuts::PaneShortcuts(QWidget* window, const PaneWindows& panes, PaneKeys& keys,
                             std::function<void()> openMenuBar)
    : QObject(window),
      window_(window),
      panes_(panes),
      keys_(keys),
      openMenuBar_(std::move(openMenuBar)) {
  // A shortcut is asked of the focused widget first, and a page claims what it likes, so the
  // keys are looked at before any widget of the window sees them.
  QCoreApplication::instance()->installEventFilter(this);
}

std::optional<PaneKey> PaneShortcuts::commandOf(const QKeyEvent& key) {
  static const struct {
    QKeyCombination keys;
    PaneKey command;
  } table[] = {
      {Qt::CTRL | Qt::Key_X, PaneKey::Cut},
      {Qt::CTRL | Qt::Key_C, PaneKey::Copy},
      {Qt::CTRL | Qt::Key_V, PaneKey::Paste},
      {Qt::CTRL | Qt::Key_A, PaneKey::SelectAll},
      {Qt::CTRL | Qt::Key_F, PaneKey::Find},
      {QKeyCombination(Qt::Key_F3), PaneKey::FindNext},
      {QKeyCombination(Qt::Key_F5), PaneKey::Reload},
      {Qt::CTRL | Qt::Key_R, PaneKey::Reload},
      {Qt::SHIFT | Qt::Key_F5, PaneKey::ReloadBypassingCache},
      {Qt::CTRL | Qt::SHIFT | Qt::Key_R, PaneKey::ReloadBypassingCache},
      {Qt::ALT | Qt::Key_Left, PaneKey::Back},
      {Qt::ALT | Qt::Key_Right, PaneKey::Forward},
      {QKeyCombination(Qt::Key_Escape), PaneKey::Stop},
      {Qt::CTRL | Qt::Key_L, PaneKey::Address},
      {Qt::ALT | Qt::Key_D, PaneKey::Address},
      {QKeyCombination(Qt::Key_F6), PaneKey::NextPart},
      {QKeyCombination(Qt::Key_F9), PaneKey::ReaderView},
      {Qt::CTRL | Qt::Key_P, PaneKey::Print},
      {Qt::CTRL | Qt::Key_S, PaneKey::Save},
      {Qt::CTRL | Qt::Key_T, PaneKey::NewPage},
      {Qt::CTRL | Qt::Key_F4, PaneKey::ClosePage},
      {Qt::CTRL | Qt::SHIFT | Qt::Key_T, PaneKey::ReopenClosedPage},
      {Qt::CTRL | Qt::Key_Tab, PaneKey::NextPage},
      {Qt::CTRL | Qt::Key_PageDown, PaneKey::NextPage},
      // Shift+Tab comes as Backtab, with or without the Shift it took.
      {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, PaneKey::PreviousPage},
      {Qt::CTRL | Qt::Key_Backtab, PaneKey::PreviousPage},
      {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, PaneKey::PreviousPage},
      {Qt::CTRL | Qt::Key_PageUp, PaneKey::PreviousPage},
      {Qt::CTRL | Qt::Key_1, PaneKey::Page1},
      {Qt::CTRL | Qt::Key_2, PaneKey::Page2},
      {Qt::CTRL | Qt::Key_3, PaneKey::Page3},
      {Qt::CTRL | Qt::Key_4, PaneKey::Page4},
      {Qt::CTRL | Qt::Key_5, PaneKey::Page5},
      {Qt::CTRL | Qt::Key_6, PaneKey::Page6},
      {Qt::CTRL | Qt::Key_7, PaneKey::Page7},
      {Qt::CTRL | Qt::Key_8, PaneKey::Page8},
      {Qt::CTRL | Qt::Key_9, PaneKey::Page9},
  };
  // The keypad's arrows are arrows too.
  const QKeyCombination pressed(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key()));
  for (const auto& entry : table) {
    if (entry.keys == pressed) return entry.command;
  }
  return std::nullopt;
}

bool PaneShortcuts::isMenuBarKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_F10 && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool PaneShortcuts::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || !watched->isWidgetType()) {
    return false;
  }
  auto* widget = static_cast<QWidget*>(watched);
  // A menu or a list popped up from the window has keys of its own. A key the focused widget
  // has left alone travels on to its parents; it was judged where the focus is.
  if (widget->window() != window_ || widget != QApplication::focusWidget()) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  std::optional<PaneId> pane;
  std::optional<PaneKey> command;
  if (!isMenuBarKey(*key)) {
    command = commandOf(*key);
    if (!command) return false;
    pane = keys_.TargetOf(*command, panes_.paneOf(widget), isTextField(widget));
    if (!pane) return false;
  }
  // Claimed, the key comes to the focused widget as a key press, and no shortcut fires; the
  // press is caught here in turn.
  event->accept();
  if (type == QEvent::KeyPress) {
    if (command) {
      keys_.Run(*command, *pane);
    } else if (openMenuBar_) {
      openMenuBar_();
    }
  }
  return true;
}

}  // namespace corvane
