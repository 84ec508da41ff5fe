#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include "panes/Pane.h"
#include "qt/pane/PaneWindows.h"

class QWebEngineView;

namespace corvane {

// Sends a link the user clicks in one pane's page to the other pane, while the window's logic
// says so: the page refuses the navigation and the other pane opens the address. Only a link the
// user followed with the pointer or the keyboard just now counts; a page that moves on by itself
// stays where it is, and so do subframes, forms, middle clicks (a new window) and the context
// menu's commands.
class LinkFollower : public QObject {
  Q_OBJECT
 public:
  // `target(pane)`: the pane that opens a link clicked in pane, if not pane itself.
  using Target = std::function<std::optional<PaneId>(PaneId)>;
  // `open(pane, address)`: opens address in pane as if typed into its address box.
  using Open = std::function<void(PaneId, const QString&)>;
  // Follows the pages of `panes`, and those they gain; `panes` outlive it.
  LinkFollower(const PaneWindows& panes, Target target, Open open);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void follow(QWebEngineView* view);
  // Whether the page now in view, asked to follow a clicked link to url, hands it over.
  bool handOver(QWebEngineView* view, const QUrl& url);
  int indexOf(const QObject* watched) const;

  const PaneWindows& panes_;
  Target target_;
  Open open_;
  // Since the user's last click or key in each pane's page.
  QElapsedTimer lastInput_[2];
};

}  // namespace corvane
