#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "app/MainWindowPages.h"
#include "platform/SteadyClock.h"
#include "qt/pane/PaneWindows.h"

class QMainWindow;
class QWebEngineView;

namespace corvane {

class ISettingsStore;
class BrowserPage;
class MainWindow;
class QtSessionStrip;
class QtTimer;

// Both panes' pages as the window shows them: each pane's strip of tabs and its page views
// forwarded to the pages' logic (MainWindowPages), new pages the engine asks for, the links'
// "Open Link in New Page", and the strip over the panes that offers the pages from last time.
class WindowPages : public QObject {
  Q_OBJECT
 public:
  // Runs a handler of the logic the way the window runs all of them.
  using Run = std::function<void(const std::function<void()>& handler)>;
  struct Context {
    QMainWindow* window;
    MainWindow& core;
    const PaneWindows& panes;
    // The user's data folder, which holds the session; empty when there is none.
    QString dataFolder;
    ISettingsStore& settingsStore;
    std::string appName;
    Run run;
  };

  explicit WindowPages(const Context& context);
  ~WindowPages() override;

  MainWindowPages& pages() { return *pages_; }

 protected:
  // A page's dialog sheet coming and going marks its tab.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connectStrip(PaneId id);
  // A view made for a page: its context menu and its requests for new pages.
  void follow(QWebEngineView* view);
  // Carries what the page's reader view says to the pane that shows the page.
  void followReader(BrowserPage* page);
  void openNewPage(QWebEngineView* view, const QString& address);
  // While a dialog of the page in `view` waits for the user, its tab is marked.
  void markPage(QWebEngineView* view, bool waiting);
  // A tab of pane `from` let go at `where` on the screen: over the other pane, its page moves
  // there, to the place in its strip it was let go at.
  void dropped(PaneId from, int index, const QPoint& where);

  MainWindow& core_;
  const PaneWindows& panes_;
  Run run_;
  SteadyClock clock_;
  QtTimer* lifecycleTimer_;
  QtTimer* saveTimer_;
  QtSessionStrip* strip_;
  std::unique_ptr<MainWindowPages> pages_;
};

}  // namespace corvane
