#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "panes/Pane.h"
#include "qt/pane/PaneWidgets.h"

class QWebEngineView;
class QWidget;

namespace corvane {

class BrowserPage;
class FindBar;
class IPaneKeyTargets;
class PaneCommands;
class PaneNavigation;
struct PaneControls;
class QtAddressBox;
class QtPaneKeyTargets;
class QtProgressBar;
class QtReaderView;
class QtSuggestionList;
class QtTimer;
class WebEngineBrowserControl;

// One pane of the main window: its controls, and what the window adds to drive them: the
// adapters the pane's logic reaches them through, its status poll timer, its browser control
// over its page, its find bar and the targets of its keys. The window holds one for each pane.
class PaneWindow : public QObject {
  Q_OBJECT
 public:
  // Runs a handler of the logic the way the window runs all of them.
  using Run = std::function<void(const std::function<void()>& handler)>;

  // `page` is what the pane's view shows; `workingFolder` resolves relative file names typed
  // into the address box.
  PaneWindow(PaneId id, const PaneWidgets& widgets, BrowserPage* page, const QString& workingFolder,
             QObject* parent);
  ~PaneWindow() override;

  // Makes what lies over the pane's page, its find bar, once every pane's view has its page: a
  // bar made over one page before the other view has its own leaves screen readers hearing that
  // page's document, never the place in it the keys move to.
  void addOverlays();

  PaneId id() const { return id_; }
  const PaneWidgets& widgets() const { return widgets_; }
  QWebEngineView* view() const { return widgets_.brwWebBrowser; }
  WebEngineBrowserControl& browser() const { return *browser_; }
  FindBar& findBar() const { return *findBar_; }
  IPaneKeyTargets& keyTargets() const;
  // The reader view of the page the pane shows.
  QtReaderView& reader() const { return *reader_; }
  // The list below the address box as the user types.
  QtSuggestionList& suggestionList() const { return *suggestions_; }
  // The controls as the pane's logic drives them.
  PaneControls controls() const;
  // What belongs to the pane besides its page: its address strip and box, its toolbar, its
  // find bar and its page's reader view.
  QList<QWidget*> aroundPage() const;

  // Forwards the address box to the pane's navigation and the toolbar's buttons to its commands.
  void connectTo(PaneNavigation& navigation, PaneCommands& commands, const Run& run);

 private:
  PaneId id_;
  PaneWidgets widgets_;
  QtAddressBox* address_;
  QtSuggestionList* suggestions_;
  std::unique_ptr<QtProgressBar> progress_;
  QtTimer* timer_;
  WebEngineBrowserControl* browser_;
  FindBar* findBar_ = nullptr;
  std::unique_ptr<QtPaneKeyTargets> keyTargets_;
  std::unique_ptr<QtReaderView> reader_;
};

}  // namespace corvane
