#include "qt/frmbrowser.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWebEngineView>

#include <stdexcept>

#include "Version.h"
#include "base/Guarded.h"
#include "panes/PaneKeys.h"
#include "qt/AccessiblePageFocus.h"
#include "qt/EngineProfile.h"
#include "qt/ExecutableName.h"
#include "qt/FavoritesWidgets.h"
#include "qt/FindBar.h"
#include "qt/LayoutAdapter.h"
#include "qt/LinkFollower.h"
#include "qt/MenuAdapter.h"
#include "qt/PaneContextMenu.h"
#include "qt/PaneFocusIndicator.h"
#include "qt/PaneLinkDrop.h"
#include "qt/PaneShortcuts.h"
#include "qt/PaneToolbar.h"
#include "qt/PaneZoom.h"
#include "qt/ProgramHistory.h"
#include "qt/QtAddressBox.h"
#include "qt/QtFileDialog.h"
#include "qt/QtHomePagesWindow.h"
#include "qt/QtMessageBox.h"
#include "qt/QtPaneKeyTargets.h"
#include "qt/QtProgressBar.h"
#include "qt/QtSendKeys.h"
#include "qt/QtSettingsStore.h"
#include "qt/QtShellFolders.h"
#include "qt/QtTimer.h"
#include "qt/QtWindowMetrics.h"
#include "qt/SecondaryWindows.h"
#include "qt/SplitterBar.h"
#include "qt/StatusLabel.h"
#include "qt/SyncScrolling.h"
#include "qt/Twips.h"
#include "qt/WebEngineBrowserControl.h"
#include "qt/WindowFirstShortcuts.h"

namespace corvane {

namespace {
constexpr int kStatusPollMs = 5;
constexpr double kDesignedClientWidth = 9840;
constexpr double kDesignedClientHeight = 6855;
// Below this the status line and the progress bar of a pane's row would overlap, and the
// option buttons would not fit; at the designed height each pane keeps about a third of it.
constexpr double kMinimumClientWidth = 10080;
constexpr double kMinimumClientHeight = kDesignedClientHeight;
// A browser used every day wants room: the designed size, or most of the screen if larger.
constexpr double kShareOfScreen = 0.8;
}  // namespace

frmbrowser::frmbrowser(const ProgramFolders& folders, EngineProfile& engine)
    : folders_(folders), client_(new QWidget(this)) {
  setObjectName(QStringLiteral("frmbrowser"));
  setWindowTitle(QStringLiteral("Corvane %1.%2 by Halvor").arg(kVersionMajor).arg(kVersionMinor));
  setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  client_->setObjectName(QStringLiteral("client"));
  client_->setAccessibleName(tr("Browser panes"));
  setCentralWidget(client_);
  c_ = BrowserControls::create(client_);
  createControls(engine);
  metrics_ = std::make_unique<QtWindowMetrics>(this);
  messageBox_ = std::make_unique<QtMessageBox>(this);
  fileDialog_ = std::make_unique<QtFileDialog>(this);
  sendKeys_ = new QtSendKeys(this);
  // Ctrl+F sent to the top browser opens its find bar.
  sendKeys_->answer(c_.brwWebBrowser1, QStringLiteral("^f"), [this] { findBar1_->open(); });
  // ... and, while the top pane is hidden, the Edit menu's Find opens the bottom one's.
  sendKeys_->answer(c_.brwWebBrowser2, QStringLiteral("^f"), [this] { findBar2_->open(); });
  settingsStore_ = std::make_unique<QtSettingsStore>(folders_.userConfig);
  shellFolders_ = std::make_unique<QtShellFolders>();
  history_ = std::make_unique<ProgramHistory>(folders_.userData, this);
  const auto onAboutLink = [this] { run([this] { core_->lblURL_Click(); }); };
  secondaryWindows_ = std::make_unique<SecondaryWindows>(
      SecondaryWindows::Context{this,
                                engine.profile(),
                                {c_.brwWebBrowser1, c_.brwWebBrowser2},
                                *settingsStore_,
                                executableName().toStdString(),
                                folders_.program.toStdString(),
                                onAboutLink,
                                history_->history()});
  // The Favorites folder lies in the user's data folder, created when first needed.
  favorites_ = std::make_unique<FavoritesWidgets>(c_, this, folders_.favorites());
  homePages_ = std::make_unique<QtHomePagesWindow>(this);

  const Twips twips(this);
  client_->setMinimumSize(twips.toPixels(kMinimumClientWidth),
                          twips.toPixels(kMinimumClientHeight));
  QSize size(twips.toPixels(kDesignedClientWidth), twips.toPixels(kDesignedClientHeight));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.expandedTo(screen->availableSize() * kShareOfScreen);
  }
  resize(size);
}

void frmbrowser::start(const HomePages& homes, mdlGen& settings) {
  if (core_) throw std::logic_error("the main window has its logic already");
  const PaneControls top{*brw1_, *address1_, *c_.Label1, *progress1_, *timTimer1_, *c_.tbToolBar1};
  const PaneControls bottom{*brw2_,      *address2_,  *c_.Label2,
                            *progress2_, *timTimer2_, *c_.tbToolBar2};
  const MainWindowPlatform platform{*messageBox_,
                                    *fileDialog_,
                                    *sendKeys_,
                                    *settingsStore_,
                                    folders_.program.toStdString(),
                                    *secondaryWindows_,
                                    *shellFolders_,
                                    executableName().toStdString(),
                                    favorites_->platform(),
                                    *homePages_};
  MainWindowPlatform withHistory = platform;
  withHistory.history = history_->history();
  withHistory.historyWindow = history_->window();
  IMainWindowView& view = *this;
  core_ = std::make_unique<MainWindow>(view, top, bottom, *metrics_, withHistory, settings, homes);
  layoutAdapter_ = std::make_unique<LayoutAdapter>(client_);
  menuBar()->setAccessibleName(tr("Menu bar"));
  menuAdapter_ = new MenuAdapter(
      menuBar(), core_->menus(),
      [this](const std::string& menu, int index) { run([&] { core_->mnu_Click(menu, index); }); });
  // The view-mode keys act wherever the focus is; an address box would take Ctrl+E as "end of
  // line". The Edit menu's keys are not among them: a box keeps its own copy and paste.
  auto* windowFirst = new WindowFirstShortcuts(this);
  for (const char* keys : {"Ctrl+Q", "Ctrl+W", "Ctrl+E"}) {
    windowFirst->add(QKeySequence(QString::fromLatin1(keys)));
  }
  connectControls();
  connectPages();
  connectPanes();
  connectKeys();
  favorites_->connectTo(core_->favorites(),
                        [this](const std::function<void()>& handler) { run(handler); });
  client_->installEventFilter(this);
}

frmbrowser::~frmbrowser() {
  // The keys reach the panes' logic, which goes next.
  delete paneShortcuts_;
  paneKeys_.reset();
  // The panes' logic unhooks itself from the controls before the widgets go.
  core_.reset();
  // An open home pages window would report to the logic that has just gone.
  homePages_.reset();
}

void frmbrowser::createControls(EngineProfile& engine) {
  address1_ = new QtAddressBox(c_.cboAddress1);
  address2_ = new QtAddressBox(c_.cboAddress2);
  progress1_ = std::make_unique<QtProgressBar>(c_.ProgressBar1);
  progress2_ = std::make_unique<QtProgressBar>(c_.ProgressBar2);
  timTimer1_ = new QtTimer(kStatusPollMs, this);
  timTimer1_->setObjectName(QStringLiteral("timTimer1"));
  timTimer2_ = new QtTimer(kStatusPollMs, this);
  timTimer2_->setObjectName(QStringLiteral("timTimer2"));
  brw1_ = new WebEngineBrowserControl(c_.brwWebBrowser1, engine.takePanePage(c_.brwWebBrowser1),
                                      folders_.program);
  brw2_ = new WebEngineBrowserControl(c_.brwWebBrowser2, engine.takePanePage(c_.brwWebBrowser2),
                                      folders_.program);
  findBar1_ = new FindBar(c_.brwWebBrowser1, QStringLiteral("1"), tr("Top"));
  findBar2_ = new FindBar(c_.brwWebBrowser2, QStringLiteral("2"), tr("Bottom"));
  panes_ =
      PaneWidgets({c_.brwWebBrowser1, {c_.picAddress1, c_.cboAddress1, c_.tbToolBar1, findBar1_}},
                  {c_.brwWebBrowser2, {c_.picAddress2, c_.tbToolBar2, findBar2_}});
  keyTargets1_ = std::make_unique<QtPaneKeyTargets>(c_.brwWebBrowser1, c_.cboAddress1, findBar1_);
  keyTargets2_ = std::make_unique<QtPaneKeyTargets>(c_.brwWebBrowser2, c_.cboAddress2, findBar2_);
}

bool frmbrowser::focusNextPrevChild(bool next) {
  // Tab follows the window's reading order, whatever order its widgets were made in. A page
  // passes Tab on here once it has gone through its own links.
  const QList<QWidget*> stops = c_.tabStops(findBar1_, findBar2_);
  const QWidget* focus = QApplication::focusWidget();
  int at = -1;
  for (int i = 0; i < stops.size() && at < 0; ++i) {
    if (stops.at(i) == focus || stops.at(i)->isAncestorOf(focus)) at = i;
  }
  if (at < 0) return QMainWindow::focusNextPrevChild(next);
  const int count = static_cast<int>(stops.size());
  stops.at((at + (next ? 1 : count - 1)) % count)
      ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void frmbrowser::connectControls() {
  for (PaneId id : {PaneId::Top, PaneId::Bottom}) {
    QtAddressBox* box = id == PaneId::Top ? address1_ : address2_;
    // Bound to the pane's navigation itself: an Enter reaches the engine in four calls.
    PaneNavigation& navigation = core_->pane(id).navigation();
    box->setOnClick([&navigation] { navigation.cboAddress_Click(); });
    box->setOnKeyPress([&navigation](int16_t key) { navigation.cboAddress_KeyPress(key); });
  }

  for (PaneId id : {PaneId::Top, PaneId::Bottom}) {
    PaneToolbar* toolbar = id == PaneId::Top ? c_.tbToolBar1 : c_.tbToolBar2;
    PaneCommands& commands = core_->commands(id);
    connect(toolbar, &PaneToolbar::buttonClick, this, [this, &commands](const QString& key) {
      run([&] { commands.ButtonClick(key.toStdString()); });
    });
  }

  connectOption(c_.OptionBoth, &Layout::OptionBoth_Click);
  connectOption(c_.OptionTop, &Layout::OptionTop_Click);
  connectOption(c_.OptionBottom, &Layout::OptionBottom_Click);

  using Mouse = void (Layout::*)(float, float);
  const auto forward = [this](SplitterBar* bar, void (SplitterBar::*signal)(float, float),
                              Mouse handler) {
    connect(bar, signal, this,
            [this, handler](float x, float y) { run([&] { (core_->layout().*handler)(x, y); }); });
  };
  forward(c_.picSplit, &SplitterBar::pressed, &Layout::picSplit_MouseDown);
  forward(c_.picSplit, &SplitterBar::moved, &Layout::picSplit_MouseMove);
  forward(c_.picSplit, &SplitterBar::released, &Layout::picSplit_MouseUp);
  forward(c_.browserSplit, &SplitterBar::pressed, &Layout::browserSplit_MouseDown);
  forward(c_.browserSplit, &SplitterBar::moved, &Layout::browserSplit_MouseMove);
  forward(c_.browserSplit, &SplitterBar::released, &Layout::browserSplit_MouseUp);
}

void frmbrowser::connectPages() {
  const auto openInPane = [this](bool top, const QString& address) {
    run([&] { core_->OpenInPane(top ? PaneId::Top : PaneId::Bottom, address.toStdString()); });
  };
  new PaneContextMenu(c_.brwWebBrowser1, openInPane);
  new PaneContextMenu(c_.brwWebBrowser2, openInPane);
  new PaneZoom(this, panes_);
}

void frmbrowser::connectPanes() {
  // The focus and the pages' scrolling may still move while the window is taken down, after its
  // logic has gone.
  new AccessiblePageFocus(this, panes_, [this](PaneId pane) {
    if (core_) run([&] { core_->PageFocused(pane); });
  });
  focusIndicator_ = new PaneFocusIndicator(this, panes_, [this](std::optional<PaneId> pane) {
    if (core_) core_->PaneFocused(pane);
  });
  new PaneLinkDrop(c_.brwWebBrowser1, c_.brwWebBrowser2,
                   [this](PaneId pane, const QString& address) {
                     run([&] { core_->OpenInPane(pane, address.toStdString()); });
                   });
  new LinkFollower(
      c_.brwWebBrowser1, c_.brwWebBrowser2,
      [this](PaneId pane) { return core_ ? core_->LinkTarget(pane) : std::nullopt; },
      [this](PaneId pane, const QString& address) {
        if (core_) run([&] { core_->OpenInPane(pane, address.toStdString()); });
      });
  new SyncScrolling(
      c_.brwWebBrowser1, c_.brwWebBrowser2,
      [this] { return core_ && core_->ScrollingSynchronized(); },
      [this](PaneId pane, ScrollExtent page, ScrollExtent other) {
        return core_->PageScrolled(pane, page, other);
      });
}

void frmbrowser::connectKeys() {
  paneKeys_ =
      std::make_unique<PaneKeys>(PaneKeys::Target{core_->commands(PaneId::Top), *keyTargets1_},
                                 PaneKeys::Target{core_->commands(PaneId::Bottom), *keyTargets2_});
  // F10 opens the first menu, its items waiting for a key, as in any desktop program.
  paneShortcuts_ = new PaneShortcuts(this, panes_, *paneKeys_, [this] {
    if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().first());
  });
}

void frmbrowser::connectOption(QAbstractButton* button, void (Layout::*handler)()) {
  // A click checks the button, then reports the click; an assistive tool's toggle or the
  // keyboard may only check it; a click on the selected button only reports the click. Each
  // way runs the handler once. Showing the selection from code runs nothing (signals blocked).
  connect(button, &QAbstractButton::toggled, this, [this, button, handler](bool checked) {
    if (!checked) return;
    justToggled_ = button;
    QTimer::singleShot(0, this, [this, button] {
      if (justToggled_ == button) justToggled_ = nullptr;
    });
    run([&] { (core_->layout().*handler)(); });
  });
  connect(button, &QAbstractButton::clicked, this, [this, button, handler] {
    if (justToggled_ == button) {
      justToggled_ = nullptr;
      return;
    }
    run([&] { (core_->layout().*handler)(); });
  });
}

template <typename Handler>
void frmbrowser::run(Handler&& handler, const char* file, int line, const char* function) {
  guarded(std::forward<Handler>(handler), file, line, function);
  // While the pane that is to be hidden still shows, so the focus can leave it.
  guarded([this] { core_->FocusShownPane(); });
  ShowLayout(core_->layout());
  ShowMenus(core_->menus());
  if (focusIndicator_) {
    focusIndicator_->showDriving(core_->FollowsLinks(PaneId::Top),
                                 core_->FollowsLinks(PaneId::Bottom));
  }
}

bool frmbrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    run([this] { core_->Form_Resize(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmbrowser::Form_Load() {
  core_->Form_Load();
  // The user starts where an address is typed, whatever window the load has put on top.
  c_.cboAddress1->setFocus(Qt::OtherFocusReason);
}

void frmbrowser::Show() { show(); }

void frmbrowser::ShowLayout(const Layout& layout) {
  layoutAdapter_->apply(layout);
  // A pane shown again may hold the focus its mark waited for.
  if (focusIndicator_) focusIndicator_->refresh();
  c_.browserSplit->setTravel(layout.SideBySideOn() ? Qt::Horizontal : Qt::Vertical);
}

void frmbrowser::ShowMenus(const MenuBar& menus) { menuAdapter_->showChecks(menus); }

void frmbrowser::Close() { close(); }

void frmbrowser::SwapPages() {
  // The focus stays in its pane, on the page that comes there, as it would on the address box.
  const auto page = panes_.pageOf(focusWidget());
  WebEngineBrowserControl* focused = !page ? nullptr : *page == PaneId::Top ? brw1_ : brw2_;
  brw1_->swapPages(*brw2_);
  if (focused) focused->SetFocus();
  focusIndicator_->refresh();
}

void frmbrowser::closeEvent(QCloseEvent* event) {
  if (core_) guarded([this] { core_->Form_Unload(); });
  homePages_->Release();
  QMainWindow::closeEvent(event);
}

}  // namespace corvane
