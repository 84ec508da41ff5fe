#include "panes/PanePages.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "base/Guarded.h"
#include "panes/PageOnPane.h"

namespace corvane {

namespace {
// Ctrl+9 goes to the last page, however many there are.
constexpr int kLastPageNumber = 9;
}  // namespace

PanePages::PanePages(PaneController& pane, ShownPageBrowser& browser, IPageViews& views,
                     IPageTabs& tabs, const ISteadyClock& clock)
    : pane_(pane), browser_(browser), views_(views), tabs_(tabs), clock_(clock) {
  insert(blankPage(), 0);
  show(0);
  updateStrip();
}

PanePages::~PanePages() { browser_.Show(nullptr); }

IPageView* PanePages::ViewAt(int index) const {
  return index >= 0 && index < Count() ? pages_[static_cast<size_t>(index)]->view() : nullptr;
}

std::optional<int> PanePages::IndexOf(const IPageView& view) const {
  for (int i = 0; i < Count(); ++i) {
    if (ViewAt(i) == &view) return i;
  }
  return std::nullopt;
}

std::string PanePages::TitleAt(int index) const {
  return index >= 0 && index < Count() ? pages_[static_cast<size_t>(index)]->Title() : "";
}

IPageView& PanePages::OpenLinkedPage(const std::string& address, PageOpening how, PageLoad load) {
  const PanePage* opener = pages_[static_cast<size_t>(shown_)].get();
  const int after = lastOpened_ != nullptr ? indexOf(lastOpened_) : shown_;
  const int index = after + 1;
  std::unique_ptr<PanePage> made = blankPage();
  PanePage& page = *made;
  // Until the page arrives its box names where it goes.
  guarded([&] { page.parked()->pane().cboAddress.SetText(address); });
  insert(std::move(made), index);
  if (how == PageOpening::InFront) {
    show(index);
    announceShown();
    opener_ = opener;
  } else {
    lastOpened_ = &page;
  }
  if (load == PageLoad::Navigate && !address.empty()) {
    guarded([&] { page.control()->Navigate(address); });
  }
  changed();
  return *page.view();
}

IPageView& PanePages::NewPage() {
  insert(blankPage(), Count());
  show(Count() - 1);
  announceShown();
  guarded([&] { views_.FocusAddressBox(); });
  changed();
  return *pages_.back()->view();
}

bool PanePages::ReopenClosedPage() {
  std::optional<ClosedPages::Closed> closed = closed_.Pop();
  if (!closed) return false;
  const int index = std::clamp(closed->index, 0, Count());
  insert(std::make_unique<PanePage>(id(), pane_.navigation(), std::move(closed->page)), index);
  show(index);
  announceShown();
  changed();
  return true;
}

void PanePages::ClosePage(int index) {
  if (index < 0 || index >= Count()) return;
  PageSnapshot closing = pages_[static_cast<size_t>(index)]->Snapshot();
  const bool wasShown = index == shown_;
  if (Count() == 1) {
    insert(blankPage(), 1);
    show(1);
  } else if (wasShown) {
    const int opener = opener_ != nullptr ? indexOf(opener_) : -1;
    if (!show(opener >= 0 ? opener : index + 1 < Count() ? index + 1 : index - 1)) return;
  }
  closed_.Push({std::move(closing), index});
  remove(index);
  if (wasShown) announceShown();
  changed();
}

void PanePages::ShowPage(int index) {
  if (index < 0 || index >= Count() || index == shown_ || !show(index)) return;
  announceShown();
  changed();
}

void PanePages::ShowNextPage() { ShowPage((shown_ + 1) % Count()); }

void PanePages::ShowPreviousPage() { ShowPage((shown_ + Count() - 1) % Count()); }

void PanePages::ShowPageNumber(int number) {
  if (number == kLastPageNumber) {
    ShowPage(Count() - 1);
  } else if (number >= 1 && number < kLastPageNumber) {
    ShowPage(number - 1);
  }
}

void PanePages::SetStripAlways(bool always) {
  stripAlways_ = always;
  updateStrip();
}

void PanePages::SetPageMarked(const IPageView& view, bool marked) {
  if (const std::optional<int> index = IndexOf(view)) {
    pages_[static_cast<size_t>(*index)]->SetWaiting(marked);
    guarded([&] { tabs_.SetTabMarked(*index, marked); });
  }
}

PaneSnapshot PanePages::Snapshot() const {
  PaneSnapshot snapshot;
  for (const auto& page : pages_) snapshot.pages.push_back(page->Snapshot());
  snapshot.shown = shown_;
  return snapshot;
}

void PanePages::Restore(const PaneSnapshot& snapshot) {
  if (snapshot.pages.empty()) return;
  const bool replaceStartPage = Count() == 1;
  const int first = Count();
  for (const PageSnapshot& page : snapshot.pages) {
    insert(std::make_unique<PanePage>(id(), pane_.navigation(), page), Count());
  }
  const int last = static_cast<int>(snapshot.pages.size()) - 1;
  show(first + std::clamp(snapshot.shown, 0, last));
  if (replaceStartPage) ClosePage(0);
  changed();
}

void PanePages::ForgetHistory() {
  closed_.Clear();
  for (const auto& page : pages_) page->ForgetHistory();
  changed();
}

std::optional<std::chrono::steady_clock::time_point> PanePages::HiddenSince(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  return pages_[static_cast<size_t>(index)]->HiddenSince();
}

PageLifecycle PanePages::LifecycleAt(int index) const {
  if (index < 0 || index >= Count()) return PageLifecycle::Active;
  return pages_[static_cast<size_t>(index)]->Lifecycle();
}

void PanePages::SetLifecycle(int index, PageLifecycle state) {
  if (index < 0 || index >= Count() || index == shown_) return;
  PanePage& page = *pages_[static_cast<size_t>(index)];
  if (page.Waiting() && state != PageLifecycle::Active) return;
  page.SetLifecycle(state);
}

std::unique_ptr<PanePage> PanePages::TakePage(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  if (Count() == 1) {
    insert(blankPage(), 1);
    show(1);
  } else if (index == shown_ && !show(index + 1 < Count() ? index + 1 : index - 1)) {
    return nullptr;
  }
  std::unique_ptr<PanePage> page = remove(index);
  changed();
  return page;
}

void PanePages::InsertPage(std::unique_ptr<PanePage> page, int index) {
  if (!page) return;
  adopt(*page);
  index = std::clamp(index, 0, Count());
  insert(std::move(page), index);
  show(index);
  announceShown();
  changed();
}

void PanePages::SwapPagesWith(PanePages& other) {
  for (PanePages* pages : {this, &other}) {
    for (int i = pages->Count() - 1; i >= 0; --i) guarded([&] { pages->tabs_.RemoveTab(i); });
  }
  std::swap(pages_, other.pages_);
  std::swap(shown_, other.shown_);
  std::swap(closed_, other.closed_);
  std::swap(lastOpened_, other.lastOpened_);
  std::swap(opener_, other.opener_);
  for (PanePages* pages : {this, &other}) {
    for (int i = 0; i < pages->Count(); ++i) {
      PanePage& page = *pages->pages_[static_cast<size_t>(i)];
      page.SetOwner(pages->id(), pages->handler());
      pages->adopt(page);
      guarded([&] { pages->tabs_.InsertTab(i, page.Title()); });
    }
  }
  // Each page's events go to its new pane only once neither pane names it as its own.
  browser_.Show(nullptr);
  other.browser_.Show(nullptr);
  for (PanePages* pages : {this, &other}) {
    PanePage& shown = *pages->pages_[static_cast<size_t>(pages->shown_)];
    pages->browser_.Show(shown.control());
    guarded([&] { pages->views_.ShowPageView(*shown.view()); });
    guarded([&] { pages->tabs_.SetCurrentTab(pages->shown_); });
    pages->updateStrip();
    pages->changed();
  }
}

void PanePages::insert(std::unique_ptr<PanePage> page, int index) {
  page->SetOwner(id(), handler());
  const std::string title = page->NewTitle().value_or(page->Title());
  page->Hide(clock_.Now());
  pages_.insert(pages_.begin() + index, std::move(page));
  if (shown_ >= index) ++shown_;
  guarded([&] { tabs_.InsertTab(index, title); });
  // The tab strip keeps the current tab where it was; say so all the same.
  if (shown_ >= 0) guarded([&] { tabs_.SetCurrentTab(shown_); });
  updateStrip();
}

std::unique_ptr<PanePage> PanePages::remove(int index) {
  std::unique_ptr<PanePage> page = std::move(pages_[static_cast<size_t>(index)]);
  pages_.erase(pages_.begin() + index);
  if (shown_ > index) --shown_;
  if (lastOpened_ == page.get()) lastOpened_ = nullptr;
  if (opener_ == page.get()) opener_ = nullptr;
  page->SetOwner(id(), nullptr);
  guarded([&] { tabs_.RemoveTab(index); });
  guarded([&] { tabs_.SetCurrentTab(shown_); });
  updateStrip();
  return page;
}

bool PanePages::show(int index) {
  PanePage& next = *pages_[static_cast<size_t>(index)];
  // The view first: if none can be made, the pane stays as it is.
  if (!next.live()) next.MakeLive(views_.CreatePageView());
  if (!next.live()) return false;
  if (shown_ >= 0 && shown_ != index) {
    PanePage& left = *pages_[static_cast<size_t>(shown_)];
    PageOnPane::TakeFrom(pane_).GiveTo(*left.parked());
    left.Hide(clock_.Now());
  }
  shown_ = index;
  lastOpened_ = nullptr;
  opener_ = nullptr;
  browser_.Show(next.control());
  guarded([&] { views_.ShowPageView(*next.view()); });
  PageOnPane::TakeFrom(*next.parked()).GiveTo(pane_);
  next.Show();
  guarded([&] { tabs_.SetCurrentTab(index); });
  next.StartLoading();
  return true;
}

void PanePages::announceShown() {
  pane_.pane().Label.PageShown(shown_ + 1, Count(), pages_[static_cast<size_t>(shown_)]->Title());
}

void PanePages::adopt(PanePage& page) {
  if (IPageView* view = page.view()) guarded([&] { views_.AdoptPageView(*view); });
}

int PanePages::indexOf(const PanePage* page) const {
  for (int i = 0; i < Count(); ++i) {
    if (pages_[static_cast<size_t>(i)].get() == page) return i;
  }
  return -1;
}

std::unique_ptr<PanePage> PanePages::blankPage() {
  std::unique_ptr<IPageView> view = views_.CreatePageView();
  if (!view) throw std::runtime_error("no view for a new page");
  return std::make_unique<PanePage>(id(), pane_.navigation(), std::move(view));
}

PanePage::EventHandler PanePages::handler() {
  return [this](PanePage& page, PageEvent event) { pageEvent(page, event); };
}

void PanePages::pageEvent(PanePage& page, PageEvent event) {
  const int index = indexOf(&page);
  if (index < 0) return;
  if (const std::optional<std::string> title = page.NewTitle()) {
    guarded([&] { tabs_.SetTabTitle(index, *title); });
  }
  if (const std::optional<bool> loading = page.NewLoading()) {
    guarded([&] { tabs_.SetTabLoading(index, *loading); });
  }
  if (event != PageEvent::Progress) changed();
}

void PanePages::updateStrip() {
  guarded([&] { tabs_.SetStripVisible(stripAlways_ || Count() > 1); });
}

void PanePages::changed() {
  if (onChanged_) guarded([&] { onChanged_(); });
}

}  // namespace corvane
