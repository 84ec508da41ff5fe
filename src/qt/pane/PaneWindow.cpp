#include "qt/pane/PaneWindow.h"

#include <QComboBox>
#include <QWebEngineView>

#include "app/MainWindow.h"
#include "panes/PaneCommands.h"
#include "panes/PaneNavigation.h"
#include "qt/engine/WebEngineBrowserControl.h"
#include "qt/pane/FindBar.h"
#include "qt/pane/PaneNames.h"
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

PaneWindow::PaneWindow(PaneId id, const PaneWidgets& widgets, BrowserPage* page,
                       const QString& workingFolder, QObject* parent)
    : QObject(parent),
      id_(id),
      widgets_(widgets),
      address_(new QtAddressBox(widgets.cboAddress)),
      suggestions_(new QtSuggestionList(widgets.cboAddress, widgets.brwWebBrowser)),
      progress_(std::make_unique<QtProgressBar>(widgets.ProgressBar)),
      timer_(new QtTimer(kStatusPollMs, this)),
      browser_(new WebEngineBrowserControl(widgets.brwWebBrowser, page, workingFolder)),
      reader_(std::make_unique<QtReaderView>(widgets.brwWebBrowser)) {
  timer_->setObjectName(QStringLiteral("timTimer") + paneDigit(id));
}

PaneWindow::~PaneWindow() = default;

void PaneWindow::addOverlays() {
  if (findBar_) return;
  findBar_ = new FindBar(widgets_.brwWebBrowser, paneDigit(id_), paneName(id_));
  keyTargets_ =
      std::make_unique<QtPaneKeyTargets>(widgets_.brwWebBrowser, widgets_.cboAddress, findBar_);
}

IPaneKeyTargets& PaneWindow::keyTargets() const { return *keyTargets_; }

PaneControls PaneWindow::controls() const {
  return {*browser_, *address_,           *widgets_.Label, *progress_,
          *timer_,   *widgets_.tbToolBar, *reader_,        suggestions_};
}

QList<QWidget*> PaneWindow::aroundPage() const {
  QList<QWidget*> around{widgets_.picAddress, widgets_.cboAddress, widgets_.tbToolBar, findBar_};
  if (QWidget* reader = reader_->widget()) around << reader;
  return around;
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
