#pragma once

#include <QString>
#include <QUrl>

#include <sys/types.h>

#include <functional>
#include <memory>

class QWebEngineView;
class QWidget;

namespace bench {

// What the pane benchmarks drive: two stacked web views, either Corvane's main window (started
// in this process as its main() starts it, in fresh folders, through its splash) or a bare
// window with two plain views and a profile like Corvane's. Addresses reach Corvane's panes the
// user's way, typed into the pane's address box and entered.
class TwoViews {
 public:
  virtual ~TwoViews() = default;
  // Starts the program; `ready` runs once both views can load. False with `error` set if not.
  virtual bool start(std::function<void()> ready, QString& error) = 0;
  // The view of pane 0 (top) or 1 (bottom).
  virtual QWebEngineView* view(int pane) const = 0;
  virtual void go(int pane, const QUrl& url) = 0;
};

std::unique_ptr<TwoViews> makeCorvane(const QString& scratch);
std::unique_ptr<TwoViews> makeBare(const QString& scratch);

// The engine's renderer processes under `root`.
int rendererCount(pid_t root);
// Open file descriptors of one process; -1 if unreadable.
int fdCount(pid_t pid);

}  // namespace bench
