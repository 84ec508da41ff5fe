#include "qt/window/WindowPages.h"

#include <QChildEvent>
#include <QFile>
#include <QMainWindow>
#include <QStackedWidget>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineView>

#include <filesystem>
#include <optional>

#include "base/Guarded.h"
#include "qt/engine/WebEnginePageView.h"
#include "qt/page/BrowserPage.h"
#include "qt/page/DialogSheet.h"
#include "qt/page/PageReader.h"
#include "qt/pane/PageTabStrip.h"
#include "qt/pane/PaneBrowser.h"
#include "qt/pane/PaneContextMenu.h"
#include "qt/platform/FreedMemory.h"
#include "qt/platform/QtSessionStrip.h"
#include "qt/platform/QtTimer.h"

namespace corvane {

namespace {

// Hidden pages are looked at about once a minute: their times are counted in minutes.
constexpr int kLifecycleTickMs = 60 * 1000;
// A change is saved within a second.
constexpr int kSaveDelayMs = 1000;

PaneId otherPane(PaneId pane) { return pane == PaneId::Top ? PaneId::Bottom : PaneId::Top; }

std::filesystem::path pathOf(const QString& folder) {
  return folder.isEmpty() ? std::filesystem::path()
                          : std::filesystem::path(QFile::encodeName(folder).toStdString());
}

}  // namespace

WindowPages::WindowPages(const Context& context)
    : QObject(context.window),
      core_(context.core),
      panes_(context.panes),
      run_(context.run),
      lifecycleTimer_(new QtTimer(kLifecycleTickMs, this)),
      saveTimer_(new QtTimer(kSaveDelayMs, this)),
      strip_(new QtSessionStrip(context.window)) {
  lifecycleTimer_->setObjectName(QStringLiteral("timPageLifecycle"));
  saveTimer_->setObjectName(QStringLiteral("timSessionSave"));
  context.window->addToolBar(Qt::TopToolBarArea, strip_);
  const auto platformOf = [this](PaneId id) {
    PaneWindow& pane = panes_[id];
    return MainWindowPages::PanePlatform{pane.shownBrowser(), pane.views(), pane.tabs()};
  };
  pages_ = std::make_unique<MainWindowPages>(
      context.core, platformOf(PaneId::Top), platformOf(PaneId::Bottom),
      MainWindowPages::Platform{clock_, *lifecycleTimer_, *saveTimer_, *strip_,
                                pathOf(context.dataFolder), context.settingsStore,
                                context.appName});
  for (PaneId id : kPanes) {
    connectStrip(id);
    for (QWebEngineView* view : panes_[id].pageViews()) follow(view);
    connect(&panes_[id], &PaneWindow::pageViewAdded, this, &WindowPages::follow);
  }
  // A save makes and drops a copy of every page's history, megabytes once histories are long.
  connect(saveTimer_, &QtTimer::ticked, this, [] { giveBackFreedMemorySoon(); });
  connect(strip_, &QtSessionStrip::restoreClicked, this,
          [this] { run_([this] { pages_->RestorePages(); }); });
  connect(strip_, &QtSessionStrip::dismissed, this,
          [this] { run_([this] { pages_->DismissOffer(); }); });
}

WindowPages::~WindowPages() = default;

void WindowPages::connectStrip(PaneId id) {
  PageTabStrip* strip = panes_[id].browserArea()->strip();
  const auto forward = [this, id](auto handler) {
    return
        [this, id, handler](auto... index) { run_([&] { handler(pages_->pages(id), index...); }); };
  };
  connect(strip, &PageTabStrip::showAsked, this,
          forward([](PanePages& pages, int index) { pages.ShowPage(index); }));
  connect(strip, &PageTabStrip::closeAsked, this,
          forward([](PanePages& pages, int index) { pages.ClosePage(index); }));
  connect(strip, &PageTabStrip::newPageAsked, this,
          forward([](PanePages& pages) { pages.NewPage(); }));
  connect(strip, &PageTabStrip::reopenAsked, this,
          forward([](PanePages& pages) { pages.ReopenClosedPage(); }));
  connect(strip, &PageTabStrip::moveAsked, this,
          [this, id](int index) { run_([&] { pages_->MovePageToOtherPane(id, index); }); });
  connect(strip, &PageTabStrip::droppedAt, this,
          [this, id](int index, const QPoint& where) { dropped(id, index, where); });
}

void WindowPages::dropped(PaneId from, int index, const QPoint& where) {
  PaneBrowser* target = panes_[otherPane(from)].browserArea();
  if (!target->isVisible() || !target->rect().contains(target->mapFromGlobal(where))) return;
  PageTabStrip* strip = target->strip();
  std::optional<int> at;
  if (strip->isVisible()) {
    const int over = strip->tabAt(strip->mapFromGlobal(where));
    if (over >= 0) at = over;
  }
  run_([&] { pages_->MovePageToOtherPane(from, index, at); });
}

void WindowPages::follow(QWebEngineView* view) {
  // What the page lays over itself lies beside its view: among it, in time, its dialog sheet.
  if (QWidget* holder = view->parentWidget()) holder->installEventFilter(this);
  new PaneContextMenu(
      view,
      [this](PaneId pane, const QString& address) {
        run_([&] { core_.OpenInPane(pane, address.toStdString()); });
      },
      [this](QWebEngineView* from, const QString& address) { openNewPage(from, address); },
      [view] {
        if (auto* shown = qobject_cast<BrowserPage*>(view->page())) shown->reader().toggle();
      });
  auto* page = qobject_cast<BrowserPage*>(view->page());
  if (!page) return;
  followReader(page);
  page->setNewPageOpener([this, page](QWebEngineNewWindowRequest& request) {
    // The page may have changed panes since its view was made.
    const std::optional<PaneId> pane = panes_.pageOf(QWebEngineView::forPage(page));
    if (!pane) {
      page->load(request.requestedUrl());
      return;
    }
    const PageOpening how = request.destination() == QWebEngineNewWindowRequest::InNewBackgroundTab
                                ? PageOpening::Behind
                                : PageOpening::InFront;
    const std::string address = request.requestedUrl().toString().toStdString();
    BrowserPage* opened = nullptr;
    run_([&] {
      IPageView& made = pages_->OpenLinkedPage(*pane, address, how, PageLoad::ByEngine);
      opened = static_cast<WebEnginePageView&>(made).page();
    });
    // The new page keeps its tie to the page that opened it, as a new window would.
    if (opened) request.openIn(opened);
  });
}

bool WindowPages::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ChildAdded) {
    // Not yet what it will be: it is looked at when it shows.
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (child->isWidgetType()) child->installEventFilter(this);
  } else if (type == QEvent::ShowToParent || type == QEvent::HideToParent) {
    // To its parent: a sheet shows on a page the pane does not show, too.
    auto* sheet = qobject_cast<DialogSheet*>(watched);
    QWidget* holder = sheet ? sheet->parentWidget() : nullptr;
    if (holder) {
      markPage(holder->findChild<QWebEngineView*>(QString(), Qt::FindDirectChildrenOnly),
               type == QEvent::ShowToParent);
    }
  }
  return QObject::eventFilter(watched, event);
}

void WindowPages::markPage(QWebEngineView* view, bool waiting) {
  const std::optional<PaneId> pane = view ? panes_.pageOf(view) : std::nullopt;
  if (!pane) return;
  PanePages& pages = pages_->pages(*pane);
  for (int i = 0; i < pages.Count(); ++i) {
    auto* page = dynamic_cast<WebEnginePageView*>(pages.ViewAt(i));
    if (page && page->view() == view) {
      guarded([&] { pages.SetPageMarked(*page, waiting); });
      return;
    }
  }
}

void WindowPages::openNewPage(QWebEngineView* view, const QString& address) {
  const std::optional<PaneId> pane = panes_.pageOf(view);
  if (!pane) return;
  run_([&] { pages_->OpenLinkedPage(*pane, address.toStdString(), PageOpening::Behind); });
}

void WindowPages::followReader(BrowserPage* page) {
  // Told to the pane that shows the page when it speaks, wherever it has moved meanwhile.
  const auto paneOf = [this, page] { return panes_.pageOf(QWebEngineView::forPage(page)); };
  connect(&page->reader(), &PageReader::notAvailable, this, [this, paneOf] {
    if (const auto pane = paneOf()) run_([&] { core_.ReaderNotAvailable(*pane); });
  });
  connect(&page->reader(), &PageReader::linkActivated, this, [this, paneOf](const QUrl& url) {
    if (const auto pane = paneOf()) {
      run_([&] { core_.OpenReaderLink(*pane, url.toString().toStdString()); });
    }
  });
}

}  // namespace corvane
