#include "qt/frmbrowser.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QWebEngineView>

#include "app/Guarded.h"
#include "layout/Layout.h"
#include "panes/PaneNavigation.h"
#include "qt/LayoutAdapter.h"
#include "qt/PaneToolbar.h"
#include "qt/QtAddressBox.h"
#include "qt/QtProgressBar.h"
#include "qt/QtStatusLine.h"
#include "qt/QtTimer.h"
#include "qt/QtWindowMetrics.h"
#include "qt/SplitterBar.h"
#include "qt/Twips.h"
#include "qt/WebEngineBrowserControl.h"

namespace corvane {

namespace {
constexpr int kStatusPollMs = 5;
constexpr double kDesignedClientWidth = 9840;
constexpr double kDesignedClientHeight = 6855;
// A browser used every day wants room: the designed size, or most of the screen if larger.
constexpr double kShareOfScreen = 0.8;
}  // namespace

frmbrowser::frmbrowser(const ProgramFolders& folders, QWebEngineProfile* profile,
                       const HomePages& homes, mdlGen* settings)
    : folders_(folders),
      homes_(homes),
      settings_(settings),
      client_(new QWidget(this)),
      load_(*this, homes_) {
  setObjectName(QStringLiteral("frmbrowser"));
  setWindowTitle(QStringLiteral("Corvane 2.0 by Halvor"));
  setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  client_->setObjectName(QStringLiteral("client"));
  setCentralWidget(client_);
  c_ = BrowserControls::create(client_);
  createPanes(profile);
  metrics_ = std::make_unique<QtWindowMetrics>(this);
  layout_ = std::make_unique<Layout>(*metrics_);
  layoutAdapter_ = std::make_unique<LayoutAdapter>(client_);
  createMenus();
  connectLayoutControls();
  client_->installEventFilter(this);

  const Twips twips(this);
  QSize size(twips.toPixels(kDesignedClientWidth), twips.toPixels(kDesignedClientHeight));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.expandedTo(screen->availableSize() * kShareOfScreen);
  }
  resize(size);
}

frmbrowser::~frmbrowser() {
  // The panes' logic unhooks itself from the controls before the widgets go.
  nav1_.reset();
  nav2_.reset();
}

void frmbrowser::createPanes(QWebEngineProfile* profile) {
  address1_ = new QtAddressBox(c_.cboAddress1);
  address2_ = new QtAddressBox(c_.cboAddress2);
  status1_ = std::make_unique<QtStatusLine>(c_.Label1);
  status2_ = std::make_unique<QtStatusLine>(c_.Label2);
  progress1_ = std::make_unique<QtProgressBar>(c_.ProgressBar1);
  progress2_ = std::make_unique<QtProgressBar>(c_.ProgressBar2);
  timTimer1_ = new QtTimer(kStatusPollMs, this);
  timTimer1_->setObjectName(QStringLiteral("timTimer1"));
  timTimer2_ = new QtTimer(kStatusPollMs, this);
  timTimer2_->setObjectName(QStringLiteral("timTimer2"));
  brw1_ = new WebEngineBrowserControl(c_.brwWebBrowser1, profile, folders_.program);
  brw2_ = new WebEngineBrowserControl(c_.brwWebBrowser2, profile, folders_.program);

  pane1_ = std::make_unique<Pane>(PaneId::Top, *brw1_, *address1_, *status1_, *progress1_,
                                  *timTimer1_);
  pane2_ = std::make_unique<Pane>(PaneId::Bottom, *brw2_, *address2_, *status2_, *progress2_,
                                  *timTimer2_);
  pane1_->StartingAddress = homes_.StartingAddress1;
  pane1_->StartingAddressOffLine = homes_.StartingAddressOffLine1;
  pane2_->StartingAddress = homes_.StartingAddress2;
  pane2_->StartingAddressOffLine = homes_.StartingAddressOffLine2;
  nav1_ = std::make_unique<PaneNavigation>(*pane1_);
  nav2_ = std::make_unique<PaneNavigation>(*pane2_);

  PaneNavigation* nav1 = nav1_.get();
  PaneNavigation* nav2 = nav2_.get();
  address1_->setOnClick([nav1] { nav1->cboAddress_Click(); });
  address1_->setOnKeyPress([nav1](int16_t key) { nav1->cboAddress_KeyPress(key); });
  address2_->setOnClick([nav2] { nav2->cboAddress_Click(); });
  address2_->setOnKeyPress([nav2](int16_t key) { nav2->cboAddress_KeyPress(key); });
}

void frmbrowser::createMenus() {
  QMenu* browsers = menuBar()->addMenu(tr("&Browsers"));
  browsers->setObjectName(QStringLiteral("mnuOptionsBrowsers"));
  struct Item {
    const char* name;
    QString caption;
    QKeySequence shortcut;
    void (Layout::*handler)();
  };
  const Item items[] = {
      {"mnuOptionsBothBrowsers", tr("Show Both Browsers"), QKeySequence(tr("Ctrl+Q")),
       &Layout::mnuOptionsBothBrowsers_Click},
      {"mnuOptionsTopBrowser", tr("Show Top Browser"), QKeySequence(tr("Ctrl+W")),
       &Layout::mnuOptionsTopBrowser_Click},
      {"mnuOptionsBottomBrowser", tr("Show Bottom Browser"), QKeySequence(tr("Ctrl+E")),
       &Layout::mnuOptionsBottomBrowser_Click},
  };
  for (const Item& item : items) {
    QAction* action = browsers->addAction(item.caption);
    action->setObjectName(QString::fromLatin1(item.name));
    action->setShortcut(item.shortcut);
    action->setCheckable(true);
    const auto handler = item.handler;
    connect(action, &QAction::triggered, this,
            [this, handler] { layoutAction([this, handler] { ((*layout_).*handler)(); }); });
  }
}

void frmbrowser::connectLayoutControls() {
  // Only a user's click runs a view mode; selecting a button from code does not.
  connect(c_.OptionBoth, &QRadioButton::clicked, this,
          [this] { layoutAction([this] { layout_->OptionBoth_Click(); }); });
  connect(c_.OptionTop, &QRadioButton::clicked, this,
          [this] { layoutAction([this] { layout_->OptionTop_Click(); }); });
  connect(c_.OptionBottom, &QRadioButton::clicked, this,
          [this] { layoutAction([this] { layout_->OptionBottom_Click(); }); });

  connect(c_.picSplit, &SplitterBar::pressed, this, [this](float x, float y) {
    layoutAction([=] { layout_->picSplit_MouseDown(x, y); });
  });
  connect(c_.picSplit, &SplitterBar::moved, this, [this](float x, float y) {
    layoutAction([=] { layout_->picSplit_MouseMove(x, y); });
  });
  connect(c_.picSplit, &SplitterBar::released, this, [this](float x, float y) {
    layoutAction([=] { layout_->picSplit_MouseUp(x, y); });
  });
  connect(c_.browserSplit, &SplitterBar::pressed, this, [this](float x, float y) {
    layoutAction([=] { layout_->browserSplit_MouseDown(x, y); });
  });
  connect(c_.browserSplit, &SplitterBar::released, this, [this](float x, float y) {
    layoutAction([=] { layout_->browserSplit_MouseUp(x, y); });
  });
}

template <typename Handler>
void frmbrowser::layoutAction(Handler&& handler) {
  guarded(std::forward<Handler>(handler));
  layoutAdapter_->apply(layout_->model());
}

bool frmbrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize && layoutReady_) {
    layoutAction([this] { layout_->Form_Resize(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmbrowser::Form_Load() { load_.Form_Load(); }

void frmbrowser::MakeToolbarsFlat() {
  c_.tbToolBar1->toggleFlat();
  c_.tbToolBar1->update();
  c_.tbToolBar2->toggleFlat();
  c_.tbToolBar2->update();
}

void frmbrowser::ReadSystemFolders(std::string& /*systemFolder*/) {}

void frmbrowser::InitLayout() {
  layoutAction([this] { layout_->InitLayout(); });
  layoutReady_ = true;
}

void frmbrowser::DisableBackForward(PaneId pane) {
  PaneToolbar* toolbar = pane == PaneId::Top ? c_.tbToolBar1 : c_.tbToolBar2;
  toolbar->button(1)->setEnabled(false);
  toolbar->button(2)->setEnabled(false);
}

void frmbrowser::Show() {
  show();
  // The first resize pass comes with the first showing, whatever the platform reports.
  layoutAction([this] { layout_->Form_Resize(); });
}

void frmbrowser::RepaintToolbar(PaneId pane) {
  (pane == PaneId::Top ? c_.tbToolBar1 : c_.tbToolBar2)->repaint();
}

IAddressBox& frmbrowser::cboAddress(PaneId pane) {
  return pane == PaneId::Top ? *address1_ : *address2_;
}

void frmbrowser::cboAddress_Click(PaneId pane) {
  (pane == PaneId::Top ? nav1_ : nav2_)->cboAddress_Click();
}

void frmbrowser::LoadTipWindow() {}

void frmbrowser::closeEvent(QCloseEvent* event) {
  Form_Unload();
  QMainWindow::closeEvent(event);
}

void frmbrowser::Form_Unload() {
  // The tip window and the about box close with the main window; nothing is saved.
}

}  // namespace corvane
