#include "panes/PaneNavigation.h"

#include <algorithm>

#include "base/AsciiText.h"
#include "base/Guarded.h"

namespace corvane {

namespace {

constexpr int16_t kEnterKey = 13;
const char kDone[] = "Done";
const char kPlainWebScheme[] = "HTTP://";
const char kViewSource[] = "view-source:";

// A page's source is listed and shown under the page's own address, so that asking for the
// source again shows it again rather than the source of the source.
std::string plainAddress(const std::string& url) {
  return startsWith(url, kViewSource) ? url.substr(sizeof(kViewSource) - 1) : url;
}

}  // namespace

PaneNavigation::PaneNavigation(Pane& pane, const AddressSearch& search, IVisitRecorder& visits)
    : pane_(pane), search_(search), visits_(visits) {}

void PaneNavigation::cboAddress_Click() {
  // Selecting the first list entry while the history is rewritten raises this click again.
  if (pane_.ListUpdate) return;
  guarded(
      [&] { pane_.brwWebBrowser.Navigate(search_.NavigationAddress(pane_.cboAddress.Text())); });
  pageAwaited_ = true;
  guarded([&] { pane_.Label.GoingTo(pane_.cboAddress.Text()); });
}

void PaneNavigation::cboAddress_KeyPress(int16_t keyAscii) {
  if (keyAscii == kEnterKey) cboAddress_Click();
}

void PaneNavigation::timTimer_Timer() {
  bool busy = false;
  // A control that cannot say whether it is busy counts as idle, so the poll ends.
  guarded([&] { busy = pane_.brwWebBrowser.Busy(); });
  if (busy) {
    pane_.Label.Working();
    return;
  }
  guarded([&] { pane_.timTimer.SetEnabled(false); });
  showTitle();
}

void PaneNavigation::startStatusPoll() {
  guarded([&] { pane_.timTimer.SetEnabled(true); });
}

void PaneNavigation::StatusTextChange(const std::string& text) {
  // "Done" never shows: the title written at the end of a load stays instead.
  if (text == kDone) return;
  guarded([&] {
    if (pane_.brwWebBrowser.Busy()) pane_.Label.EngineText(text);
  });
}

void PaneNavigation::ProgressChange(int32_t progress, int32_t progressMax) {
  if (progress > progressMax) return;
  guarded([&] {
    if (progress < 1) {
      pane_.ProgressBar.SetValue(0.0f);
      return;
    }
    // The control's units can pass the bar's maximum; the bar then stays full rather than
    // refusing the value.
    pane_.ProgressBar.SetValue(std::min(static_cast<float>(progress), pane_.ProgressBar.Max()));
  });
}

void PaneNavigation::NavigateComplete2() {
  // The event's own frame and address are not used: a frame finishing inside a page updates the
  // history with the page's own address.
  pageAwaited_ = false;
  std::string url;
  guarded([&] { url = plainAddress(pane_.brwWebBrowser.LocationURL()); });

  int found = -1;
  guarded([&] {
    const int count = pane_.cboAddress.ListCount();
    for (int i = 0; i < count; ++i) {
      if (pane_.cboAddress.List(i) == url) {
        found = i;
        break;
      }
    }
  });

  pane_.ListUpdate = true;
  if (found >= 0) guarded([&] { pane_.cboAddress.RemoveItem(found); });
  guarded([&] { pane_.cboAddress.AddItem(url, 0); });
  guarded([&] { pane_.cboAddress.SetListIndex(0); });
  pane_.ListUpdate = false;

  guarded([&] { pane_.cboAddress.SetText(plainAddress(pane_.brwWebBrowser.LocationURL())); });
  showTitle();
  recordVisit();
}

void PaneNavigation::recordVisit() {
  // A page's source is no visit of its own; a title equal to the address stands in for none.
  guarded([&] {
    const std::string url = pane_.brwWebBrowser.LocationURL();
    const std::string title = pane_.brwWebBrowser.LocationName();
    if (!startsWith(url, kViewSource)) visits_.RecordVisit(url, title == url ? "" : title);
  });
}

void PaneNavigation::DownloadComplete() {
  std::string address;
  guarded([&] { address = pane_.cboAddress.Text(); });

  if (asciiUpper(address).find(kPlainWebScheme) != std::string::npos) {
    pane_.LocalFile = false;
    showLoaded();
  } else if (!pane_.LocalFile) {
    showLoaded();
  } else {
    pane_.Label.FolderView(pane_.File.ListCount());
  }
  if (pageAwaited_) showPageShown();
  // The title often arrives after the page was recorded.
  guarded([&] {
    const std::string url = pane_.brwWebBrowser.LocationURL();
    const std::string title = pane_.brwWebBrowser.LocationName();
    if (!title.empty() && title != url) visits_.SetTitle(url, title);
  });
}

void PaneNavigation::PageFocused() {
  const char* place = pane_.id == PaneId::Top ? "Top pane" : "Bottom pane";
  guarded([&] { pane_.Label.PlaceOfPage(place, pane_.brwWebBrowser.LocationName()); });
}

void PaneNavigation::showPageShown() {
  // The address asked for brought no page (a download, a file refused): the box names the page
  // that still shows. A page saying that an address cannot be opened keeps the text typed.
  pageAwaited_ = false;
  guarded([&] {
    const std::string shown = plainAddress(pane_.brwWebBrowser.LocationURL());
    if (!shown.empty() && shown != pane_.cboAddress.Text()) pane_.cboAddress.SetText(shown);
  });
}

void PaneNavigation::showTitle() {
  guarded([&] { pane_.Label.PageTitle(pane_.brwWebBrowser.LocationName()); });
}

void PaneNavigation::showLoaded() {
  guarded([&] { pane_.Label.PageLoaded(pane_.brwWebBrowser.LocationName()); });
}

}  // namespace corvane
