#include "panes/PaneKeys.h"

#include "base/Guarded.h"

namespace corvane {

namespace {

bool editsText(PaneKey key) {
  return key == PaneKey::Cut || key == PaneKey::Copy || key == PaneKey::Paste ||
         key == PaneKey::SelectAll || key == PaneKey::Stop;
}

void runPageKey(PaneKey key, PanePages& pages) {
  switch (key) {
    case PaneKey::NewPage:
      pages.NewPage();
      break;
    case PaneKey::ClosePage:
      pages.ClosePage(pages.Shown());
      break;
    case PaneKey::ReopenClosedPage:
      pages.ReopenClosedPage();
      break;
    case PaneKey::NextPage:
      pages.ShowNextPage();
      break;
    case PaneKey::PreviousPage:
      pages.ShowPreviousPage();
      break;
    default:
      pages.ShowPageNumber(static_cast<int>(key) - static_cast<int>(PaneKey::Page1) + 1);
      break;
  }
}

}  // namespace

std::optional<PaneId> PaneKeys::TargetOf(PaneKey key, std::optional<PaneId> focused,
                                         bool inTextField) const {
  if (!focused) return std::nullopt;
  if (key == PaneKey::Stop) {
    bool reading = false;
    guarded([&] { reading = target(*focused).reader.Shown(); });
    if (reading) return focused;
  }
  if (inTextField && editsText(key)) return std::nullopt;
  if (key == PaneKey::Stop) {
    bool busy = false;
    guarded([&] { busy = target(*focused).commands.pane().brwWebBrowser.Busy(); });
    if (!busy) return std::nullopt;
  }
  return focused;
}

void PaneKeys::Run(PaneKey key, PaneId pane) {
  Target& t = target(pane);
  IBrowserControl& browser = t.commands.pane().brwWebBrowser;
  const auto exec = [&browser](ExecWBCommand command, ExecWBOption option) {
    guarded([&] { browser.ExecWB(command, option); });
  };
  switch (key) {
    case PaneKey::Cut:
      exec(OLECMDID_CUT, OLECMDEXECOPT_DODEFAULT);
      break;
    case PaneKey::Copy:
      exec(OLECMDID_COPY, OLECMDEXECOPT_DODEFAULT);
      break;
    case PaneKey::Paste:
      exec(OLECMDID_PASTE, OLECMDEXECOPT_DODEFAULT);
      break;
    case PaneKey::SelectAll:
      exec(OLECMDID_SELECTALL, OLECMDEXECOPT_DODEFAULT);
      break;
    case PaneKey::Find:
      guarded([&] { t.extras.OpenFind(); });
      break;
    case PaneKey::FindNext:
      guarded([&] { t.extras.FindNext(); });
      break;
    case PaneKey::Reload:
      t.commands.ButtonClick("Refresh");
      break;
    case PaneKey::ReloadBypassingCache:
      guarded([&] { t.extras.ReloadBypassingCache(); });
      break;
    case PaneKey::Back:
      t.commands.ButtonClick("Back");
      break;
    case PaneKey::Forward:
      t.commands.ButtonClick("Forward");
      break;
    case PaneKey::Stop: {
      bool reading = false;
      guarded([&] { reading = t.reader.Shown(); });
      if (reading) {
        guarded([&] { t.reader.Leave(); });
      } else {
        t.commands.ButtonClick("Stop");
      }
      break;
    }
    case PaneKey::Address:
      guarded([&] { t.extras.FocusAddress(); });
      break;
    case PaneKey::Print:
      exec(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER);
      break;
    case PaneKey::Save:
      exec(OLECMDID_SAVEAS, OLECMDEXECOPT_PROMPTUSER);
      break;
    case PaneKey::NewPage:
    case PaneKey::ClosePage:
    case PaneKey::ReopenClosedPage:
    case PaneKey::NextPage:
    case PaneKey::PreviousPage:
    case PaneKey::Page1:
    case PaneKey::Page2:
    case PaneKey::Page3:
    case PaneKey::Page4:
    case PaneKey::Page5:
    case PaneKey::Page6:
    case PaneKey::Page7:
    case PaneKey::Page8:
    case PaneKey::Page9:
      if (t.pages) guarded([&] { runPageKey(key, *t.pages); });
      break;
    case PaneKey::ReaderView:
      guarded([&] { t.reader.Toggle(); });
      break;
    case PaneKey::NextPart:
      nextPart(t);
      break;
  }
}

void PaneKeys::nextPart(Target& t) {
  static const ReaderPart cycle[] = {ReaderPart::Text, ReaderPart::Headings, ReaderPart::Links};
  bool reading = false;
  ReaderPart focused = ReaderPart::None;
  guarded([&] {
    reading = t.reader.Shown();
    focused = t.reader.FocusedPart();
  });
  if (reading) {
    // The part after the focused one that can take the focus; after the links, the address box.
    bool after = focused == ReaderPart::None;
    for (const ReaderPart part : cycle) {
      bool taken = false;
      if (after) guarded([&] { taken = t.reader.FocusPart(part); });
      if (taken) return;
      after = after || part == focused;
    }
  }
  guarded([&] { t.extras.FocusAddress(); });
}

}  // namespace corvane
