#include "qt/window/frmbrowser.h"

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
#include "qt/dialogs/QtHomePagesWindow.h"
#include "qt/dialogs/SecondaryWindows.h"
#include "qt/engine/EngineProfile.h"
#include "qt/favorites/FavoritesWidgets.h"
#include "qt/page/BrowserPage.h"
#include "qt/pane/AccessiblePageFocus.h"
#include "qt/pane/FindBar.h"
#include "qt/pane/LinkFollower.h"
#include "qt/pane/PageFocusKeeper.h"
#include "qt/pane/PaneBrowser.h"
#include "qt/pane/PaneFocusIndicator.h"
#include "qt/pane/PaneLinkDrop.h"
#include "qt/pane/PaneShortcuts.h"
#include "qt/pane/PaneZoom.h"
#include "qt/pane/QtReaderView.h"
#include "qt/pane/QtSuggestionList.h"
#include "qt/pane/SyncScrolling.h"
#include "qt/platform/ExecutableName.h"
#include "qt/platform/QtFileDialog.h"
#include "qt/platform/QtMessageBox.h"
#include "qt/platform/QtSendKeys.h"
#include "qt/platform/QtSettingsStore.h"
#include "qt/platform/QtShellFolders.h"
#include "qt/platform/QtWindowMetrics.h"
#include "qt/start/Twips.h"
#include "qt/window/LayoutAdapter.h"
#include "qt/window/MenuAdapter.h"
#include "qt/window/ProgramHistory.h"
#include "qt/window/SplitterBar.h"
#include "qt/window/WindowFirstShortcuts.h"
#include "qt/window/WindowPages.h"

namespace corvane {

namespace {
constexpr double kDesignedClientWidth = 9840;
constexpr double kDesignedClientHeight = 6855;
// Below this the status line and the progress bar of a pane's row would overlap, and the
// option buttons would not fit; at the designed height each pane keeps about a third of it.
constexpr double kMinimumClientWidth = 10080;
constexpr double kMinimumClientHeight = kDesignedClientHeight;
// A browser used every day wants room: the designed size, or most of the screen if larger.
constexpr double kShareOfScreen = 0.8;
// While the reader view covers a page, Tab visits its parts in the page's place.
void coverPage(QList<QWidget*>& stops, QWebEngineView* view, QWidget* reader) {
  const qsizetype at = stops.indexOf(view);
  if (!reader || !reader->isVisible() || at < 0) return;
  stops.removeAt(at);
  const QList<QWidget*> parts = reader->findChildren<QWidget*>();
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
    if (((*part)->focusPolicy() & Qt::TabFocus) && (*part)->isVisible()) stops.insert(at, *part);
  }
}

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
  panes_ = PaneWindows([this, &engine](PaneId id) {
    return std::make_unique<PaneWindow>(
        id, c_.pane(id), [&engine](QObject* parent) { return engine.takePanePage(parent); },
        folders_.program, this);
  });
  metrics_ = std::make_unique<QtWindowMetrics>(this);
  messageBox_ = std::make_unique<QtMessageBox>(this);
  fileDialog_ = std::make_unique<QtFileDialog>(this);
  sendKeys_ = new QtSendKeys(this);
  // Ctrl+F sent to a browser opens its find bar: the top one's, and while the top pane is hidden
  // the bottom one's, from the Edit menu's Find.
  for (PaneId id : kPanes) {
    FindBar& findBar = panes_[id].findBar();
    sendKeys_->answer(panes_[id].browserArea(), QStringLiteral("^f"),
                      [&findBar] { findBar.open(); });
  }
  settingsStore_ = std::make_unique<QtSettingsStore>(folders_.userConfig);
  shellFolders_ = std::make_unique<QtShellFolders>();
  history_ = std::make_unique<ProgramHistory>(folders_.userData, this);
  const auto onAboutLink = [this] { run([this] { core_->lblURL_Click(); }); };
  const auto forgetPageHistory = [this] {
    if (pages_) run([this] { pages_->pages().ForgetHistory(); });
  };
  const auto optionsApplied = [this] {
    if (pages_) run([this] { pages_->pages().OptionsChanged(); });
  };
  secondaryWindows_ = std::make_unique<SecondaryWindows>(
      SecondaryWindows::Context{this, engine.profile(), forgetPageHistory, optionsApplied,
                                *settingsStore_, executableName().toStdString(),
                                folders_.program.toStdString(), onAboutLink, history_->history()});
  // The Favorites folder lies in the user's data folder, created when first needed.
  favorites_ = std::make_unique<FavoritesWidgets>(
      FavoritesWidgets::Controls{c_.cmdFavCloseX, c_.cmdAddFav, c_.cmdOrganizeFav, c_.tvw}, this,
      folders_.favorites());
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
  const MainWindowPlatform platform{*messageBox_,
                                    *fileDialog_,
                                    *sendKeys_,
                                    *settingsStore_,
                                    folders_.program.toStdString(),
                                    *secondaryWindows_,
                                    *shellFolders_,
                                    executableName().toStdString(),
                                    favorites_->platform(),
                                    *homePages_,
                                    "/etc/hosts",
                                    history_->history(),
                                    history_->window()};
  IMainWindowView& view = *this;
  core_ = std::make_unique<MainWindow>(view, panes_[PaneId::Top].controls(),
                                       panes_[PaneId::Bottom].controls(), *metrics_, platform,
                                       settings, homes);
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
  favorites_->connectTo(
      core_->favorites(), [this](const std::function<void()>& handler) { run(handler); },
      [this](const TreeNode& node) { pages_->pages().tvw_NodeMiddleClick(node); });
  client_->installEventFilter(this);
}

frmbrowser::~frmbrowser() {
  // The keys reach the panes' logic, which goes next.
  paneShortcuts_.reset();
  paneKeys_.reset();
  // The pages reach the panes' logic.
  pages_.reset();
  // The panes' logic unhooks itself from the controls before the widgets go.
  core_.reset();
  // An open home pages window would report to the logic that has just gone.
  homePages_.reset();
}

bool frmbrowser::focusNextPrevChild(bool next) {
  // Tab follows the window's reading order, whatever order its widgets were made in. A page
  // passes Tab on here once it has gone through its own links.
  QList<QWidget*> stops = c_.tabStops([this](PaneId id) { return panes_[id].pageTabStops(); });
  for (PaneId id : kPanes) coverPage(stops, panes_.view(id), panes_[id].reader().widget());
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
  const PaneWindow::Run runs = [this](const std::function<void()>& handler) { run(handler); };
  for (PaneId id : kPanes) {
    panes_[id].connectTo(core_->pane(id).navigation(), core_->commands(id), runs);
    if (AddressSuggestions* suggestions = core_->suggestions(id)) {
      panes_[id].suggestionList().connectTo(*suggestions);
    }
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
  pages_ = std::make_unique<WindowPages>(WindowPages::Context{
      this, *core_, panes_, folders_.userData, *settingsStore_, executableName().toStdString(),
      [this](const std::function<void()>& handler) { run(handler); }});
  zoom_ = std::make_unique<PaneZoom>(this, panes_);
  new PageFocusKeeper(this, panes_);
}

void frmbrowser::connectPanes() {
  // The focus and the pages' scrolling may still move while the window is taken down, after its
  // logic has gone.
  pageFocus_ = std::make_unique<AccessiblePageFocus>(this, panes_, [this](PaneId pane) {
    if (core_) run([&] { core_->PageFocused(pane); });
  });
  focusIndicator_ =
      std::make_unique<PaneFocusIndicator>(this, panes_, [this](std::optional<PaneId> pane) {
        if (core_) core_->PaneFocused(pane);
      });
  new PaneLinkDrop(panes_, [this](PaneId pane, const QString& address) {
    run([&] { core_->OpenInPane(pane, address.toStdString()); });
  });
  new LinkFollower(
      panes_, [this](PaneId pane) { return core_ ? core_->LinkTarget(pane) : std::nullopt; },
      [this](PaneId pane, const QString& address) {
        if (core_) run([&] { core_->OpenInPane(pane, address.toStdString()); });
      });
  new SyncScrolling(
      panes_, [this] { return core_ && core_->ScrollingSynchronized(); },
      [this](PaneId pane, ScrollExtent page, ScrollExtent other) {
        return core_->PageScrolled(pane, page, other);
      });
}

void frmbrowser::connectKeys() {
  const auto target = [this](PaneId id) {
    return PaneKeys::Target{core_->commands(id), panes_[id].keyTargets(), panes_[id].reader(),
                            &pages_->pages().pages(id)};
  };
  paneKeys_ = std::make_unique<PaneKeys>(target(PaneId::Top), target(PaneId::Bottom));
  // F10 opens the first menu, its items waiting for a key, as in any desktop program.
  paneShortcuts_ = std::make_unique<PaneShortcuts>(this, panes_, *paneKeys_, [this] {
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
    for (PaneId id : kPanes) focusIndicator_->showDriving(id, core_->FollowsLinks(id));
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
  // The home pages are on their way: the pages from last time come after them.
  guarded([this] { pages_->pages().Start(); });
  // The user starts where an address is typed, whatever window the load has put on top.
  c_.pane(PaneId::Top).cboAddress->setFocus(Qt::OtherFocusReason);
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
  pages_->pages().SwapPages();
  // The article over a page stands in for it.
  if (page && !panes_[*page].reader().FocusPart(ReaderPart::Text)) {
    panes_.view(*page)->setFocus(Qt::OtherFocusReason);
  }
  focusIndicator_->refresh();
}

void frmbrowser::closeEvent(QCloseEvent* event) {
  // The pages as they are now are kept for the next start, marked as closed properly.
  if (pages_) guarded([this] { pages_->pages().Close(); });
  if (core_) guarded([this] { core_->Form_Unload(); });
  homePages_->Release();
  QMainWindow::closeEvent(event);
}

}  // namespace corvane
