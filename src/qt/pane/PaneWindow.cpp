#include "qt/pane/PaneWindow.h"

#include <QComboBox>
#include <QStackedWidget>
#include <QWebEngineView>

#include <utility>

#include "app/MainWindow.h"
#include "panes/PaneCommands.h"
#include "panes/PaneNavigation.h"
#include "qt/pane/FindBar.h"
#include "qt/pane/PageTabStrip.h"
#include "qt/pane/PaneBrowser.h"
#include "qt/pane/PaneNames.h"
#include "qt/pane/PanePageViews.h"
#include "qt/pane/PaneToolbar.h"
#include "qt/pane/QtAddressBox.h"
#include "qt/pane/QtPaneKeyTargets.h"
#include "qt/pane/QtProgressBar.h"
#include "qt/pane/QtReaderView.h"
#include "qt/pane/QtSuggestionList.h"
#include "qt/pane/StatusLabel.h"
#include "qt/platform/QtTimer.h"

namespace corvane {

namespace {
constexpr int kStatusPollMs = 5;
}  // namespace

PaneWindow::PaneWindow(PaneId id, const PaneWidgets& widgets, MakePage makePage,
                       const QString& workingFolder, QObject* parent)
    : QObject(parent),
      id_(id),
      widgets_(widgets),
      address_(new QtAddressBox(widgets.cboAddress)),
      suggestions_(new QtSuggestionList(widgets.cboAddress, widgets.brwWebBrowser)),
      progress_(std::make_unique<QtProgressBar>(widgets.ProgressBar)),
      timer_(new QtTimer(kStatusPollMs, this)),
      views_(new PanePageViews(widgets.brwWebBrowser, widgets.cboAddress, std::move(makePage),
                               workingFolder, this)),
      reader_(std::make_unique<QtReaderView>([this] { return view(); })) {
  timer_->setObjectName(QStringLiteral("timTimer") + paneDigit(id));
  connect(views_, &PanePageViews::viewAdded, this, &PaneWindow::pageViewAdded);
  connect(views_, &PanePageViews::viewShown, this, &PaneWindow::pageViewShown);
}

PaneWindow::~PaneWindow() = default;

void PaneWindow::addOverlays() {
  if (findBar_) return;
  findBar_ = new FindBar(browserArea()->pages(), view(), paneDigit(id_), paneName(id_));
  connect(this, &PaneWindow::pageViewShown, findBar_, &FindBar::setView);
  keyTargets_ =
      std::make_unique<QtPaneKeyTargets>([this] { return view(); }, widgets_.cboAddress, findBar_);
}

QWebEngineView* PaneWindow::view() const { return browserArea()->shownView(); }

QList<QWebEngineView*> PaneWindow::pageViews() const { return browserArea()->views(); }

IPageViews& PaneWindow::views() const { return *views_; }

IPageTabs& PaneWindow::tabs() const { return *browserArea()->strip(); }

IPaneKeyTargets& PaneWindow::keyTargets() const { return *keyTargets_; }

PaneControls PaneWindow::controls() {
  return {shownBrowser_, *address_,           *widgets_.Label, *progress_,
          *timer_,       *widgets_.tbToolBar, *reader_,        suggestions_};
}

QList<QWidget*> PaneWindow::aroundPage() const {
  QList<QWidget*> around{widgets_.picAddress, widgets_.cboAddress, widgets_.tbToolBar,
                         browserArea()->strip(), findBar_};
  if (QWidget* reader = reader_->widget()) around << reader;
  return around;
}

QList<QWidget*> PaneWindow::pageTabStops() const {
  // While a page's view changes hands the pane may show none.
  QList<QWidget*> stops{browserArea()->strip()};
  if (QWebEngineView* shown = view()) stops << shown;
  if (findBar_) {
    for (QWidget* w : findBar_->findChildren<QWidget*>()) {
      if (w->focusPolicy() & Qt::TabFocus) stops << w;
    }
  }
  return stops;
}

void PaneWindow::connectTo(PaneNavigation& navigation, PaneCommands& commands, const Run& run) {
  // Bound to the pane's navigation itself: an Enter reaches the engine in four calls.
  address_->setOnClick([&navigation] { navigation.cboAddress_Click(); });
  address_->setOnKeyPress([&navigation](int16_t key) { navigation.cboAddress_KeyPress(key); });
  connect(widgets_.tbToolBar, &PaneToolbar::buttonClick, this,
          [run, &commands](const QString& key) {
            run([&] { commands.ButtonClick(key.toStdString()); });
          });
}

}  // namespace corvane
