#include "panes/PanePage.h"

#include <utility>

#include "base/Guarded.h"

namespace corvane {

namespace {
const char kBlankPageTitle[] = "New Page";
}  // namespace

// Declared in the order they depend on each other, so that they go in the reverse order: the
// controller lets go of the page's control, which lets go of the view's.
struct PanePage::Live {
  Live(PaneId id, const PaneNavigation& like, std::unique_ptr<IPageView> pageView,
       std::function<void(PageEvent)> onEvent)
      : view(std::move(pageView)),
        control(view->Control(), std::move(onEvent)),
        pane(id, control, parked, parked, parked, parked, parked),
        controller(pane, like.search(), like.visits()) {}

  std::unique_ptr<IPageView> view;
  PageControl control;
  ParkedPaneControls parked;
  Pane pane;
  PaneController controller;
};

PanePage::PanePage(PaneId pane, const PaneNavigation& like, PageSnapshot snapshot)
    : pane_(pane), pending_(std::move(snapshot)), like_(like) {}

PanePage::PanePage(PaneId pane, const PaneNavigation& like, std::unique_ptr<IPageView> view)
    : pane_(pane), like_(like) {
  MakeLive(std::move(view));
}

PanePage::~PanePage() = default;

void PanePage::SetOwner(PaneId pane, EventHandler onEvent) {
  pane_ = pane;
  onEvent_ = std::move(onEvent);
  // Folder view's file types are the pane's.
  if (live_) live_->pane.id = pane;
}

void PanePage::MakeLive(std::unique_ptr<IPageView> view) {
  if (live_ || !view) return;
  lifecycle_ = PageLifecycle::Active;
  live_ = std::make_unique<Live>(pane_, like_, std::move(view), [this](PageEvent event) {
    if (onEvent_) onEvent_(*this, event);
  });
  if (pending_) live_->parked.SetText(pending_->address);
}

void PanePage::StartLoading() {
  if (!live_ || !pending_) return;
  const PageSnapshot page = std::move(*pending_);
  pending_.reset();
  knownTitle_ = page.title.empty() ? page.address : page.title;
  bool restored = false;
  if (!page.engineHistory.empty()) {
    guarded([&] { restored = live_->view->RestoreHistory(page.engineHistory); });
  }
  // A record the engine no longer reads (another version wrote it) still has its address.
  if (!restored && !page.address.empty()) {
    guarded([&] { live_->control.Navigate(page.address); });
  }
}

IPageView* PanePage::view() const { return live_ ? live_->view.get() : nullptr; }

PageControl* PanePage::control() const { return live_ ? &live_->control : nullptr; }

PaneController* PanePage::parked() const { return live_ ? &live_->controller : nullptr; }

PageSnapshot PanePage::Snapshot() const {
  if (pending_ || !live_) return pending_.value_or(PageSnapshot());
  PageSnapshot page;
  guarded([&] { page.address = live_->control.LocationURL(); });
  guarded([&] { page.title = live_->control.LocationName(); });
  guarded([&] { page.history = live_->view->History(); });
  guarded([&] { page.engineHistory = live_->view->SaveHistory(); });
  return page;
}

void PanePage::ForgetHistory() {
  if (pending_) pending_->ForgetHistory();
  if (live_) guarded([&] { live_->view->ClearHistory(); });
}

std::string PanePage::Title() const {
  std::string title;
  if (pending_) {
    title = pending_->title.empty() ? pending_->address : pending_->title;
  } else if (live_) {
    guarded([&] { title = live_->control.LocationName(); });
    if (title.empty()) guarded([&] { title = live_->control.LocationURL(); });
    if (title.empty()) title = knownTitle_;
  }
  return title.empty() ? kBlankPageTitle : title;
}

std::optional<std::string> PanePage::NewTitle() {
  std::string title = Title();
  if (title == tabTitle_) return std::nullopt;
  tabTitle_ = title;
  return title;
}

std::optional<bool> PanePage::NewLoading() {
  bool loading = false;
  if (live_) guarded([&] { loading = live_->control.Busy(); });
  if (loading == tabLoading_) return std::nullopt;
  tabLoading_ = loading;
  return loading;
}

void PanePage::Show() {
  hiddenSince_.reset();
  SetLifecycle(PageLifecycle::Active);
}

void PanePage::SetLifecycle(PageLifecycle state) {
  if (!live_ || state == lifecycle_) return;
  if (state == PageLifecycle::Discarded) {
    discard();
    return;
  }
  // A page the engine would not freeze or discard is asked again at the next look.
  if (guarded([&] { live_->view->SetLifecycle(state); })) lifecycle_ = state;
}

void PanePage::discard() {
  // The engine's own discarding keeps the page's view, its widgets and the engine's record of
  // the page: megabytes for every page left hidden. A page given back as a restored one waits
  // for its pane to show it again, and then loads its history as a restored page does.
  PageSnapshot page = Snapshot();
  const std::string title = Title();
  live_.reset();
  pending_ = std::move(page);
  if (pending_->title.empty() && title != kBlankPageTitle) pending_->title = title;
  lifecycle_ = PageLifecycle::Discarded;
}

}  // namespace corvane
