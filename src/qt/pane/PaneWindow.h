#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "panes/Pane.h"
#include "panes/ShownPageBrowser.h"
#include "qt/pane/PaneWidgets.h"

class QWebEngineView;
class QWidget;

namespace corvane {

class BrowserPage;
class FindBar;
class IPageTabs;
class IPageViews;
class IPaneKeyTargets;
class PaneBrowser;
class PaneCommands;
class PaneNavigation;
struct PaneControls;
class PanePageViews;
class QtAddressBox;
class QtPaneKeyTargets;
class QtProgressBar;
class QtReaderView;
class QtSuggestionList;
class QtTimer;

// One pane of the main window: its controls, and what the window adds to drive them: the
// adapters the pane's logic reaches them through, its status poll timer, its pages' views and
// tab strip, the browser control of the page it shows, its find bar and the targets of its keys.
// The window holds one for each pane.
class PaneWindow : public QObject {
  Q_OBJECT
 public:
  // Runs a handler of the logic the way the window runs all of them.
  using Run = std::function<void(const std::function<void()>& handler)>;
  // What makes the page of a new view, its parent given.
  using MakePage = std::function<BrowserPage*(QObject* parent)>;

  // The pane's first page's view is made at once. `workingFolder` resolves relative file names
  // typed into the address box.
  PaneWindow(PaneId id, const PaneWidgets& widgets, MakePage makePage, const QString& workingFolder,
             QObject* parent);
  ~PaneWindow() override;

  // Makes what lies over the pane's page, its find bar, once every pane's view has its page: a
  // bar made over one page before the other view has its own leaves screen readers hearing that
  // page's document, never the place in it the keys move to.
  void addOverlays();

  PaneId id() const { return id_; }
  const PaneWidgets& widgets() const { return widgets_; }
  // The pane's browser as the layout places it: its tab strip and its pages.
  PaneBrowser* browserArea() const { return widgets_.brwWebBrowser; }
  // The view of the page the pane shows.
  QWebEngineView* view() const;
  // The views of all the pane's pages.
  QList<QWebEngineView*> pageViews() const;
  IPageViews& views() const;
  IPageTabs& tabs() const;
  // The browser control of the page shown: the pane's own.
  ShownPageBrowser& shownBrowser() { return shownBrowser_; }
  FindBar& findBar() const { return *findBar_; }
  IPaneKeyTargets& keyTargets() const;
  // The reader view of the page the pane shows.
  QtReaderView& reader() const { return *reader_; }
  // The list below the address box as the user types.
  QtSuggestionList& suggestionList() const { return *suggestions_; }
  // The controls as the pane's logic drives them.
  PaneControls controls();
  // What belongs to the pane besides its pages: its address strip and box, its toolbar, its tab
  // strip, its find bar and the reader view of the page it shows.
  QList<QWidget*> aroundPage() const;
  // Where Tab stops in the pane's page, in order: its tabs, its page and its find bar.
  QList<QWidget*> pageTabStops() const;

  // Forwards the address box to the pane's navigation and the toolbar's buttons to its commands.
  void connectTo(PaneNavigation& navigation, PaneCommands& commands, const Run& run);

 Q_SIGNALS:
  // A view made for a new page of this pane.
  void pageViewAdded(QWebEngineView* view);
  // The pane shows another page (or the same one again).
  void pageViewShown(QWebEngineView* view);

 private:
  PaneId id_;
  PaneWidgets widgets_;
  QtAddressBox* address_;
  QtSuggestionList* suggestions_;
  std::unique_ptr<QtProgressBar> progress_;
  QtTimer* timer_;
  PanePageViews* views_;
  ShownPageBrowser shownBrowser_;
  FindBar* findBar_ = nullptr;
  std::unique_ptr<QtPaneKeyTargets> keyTargets_;
  std::unique_ptr<QtReaderView> reader_;
};

}  // namespace corvane
