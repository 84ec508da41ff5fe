#include "panes/PaneKeys.h"

#include "base/Guarded.h"

namespace corvane {

namespace {

bool editsText(PaneKey key) {
  return key == PaneKey::Cut || key == PaneKey::Copy || key == PaneKey::Paste ||
         key == PaneKey::SelectAll || key == PaneKey::Stop;
}

}  // namespace

std::optional<PaneId> PaneKeys::TargetOf(PaneKey key, std::optional<PaneId> focused,
                                         bool inTextField) const {
  if (!focused) return std::nullopt;
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
    case PaneKey::Stop:
      t.commands.ButtonClick("Stop");
      break;
    case PaneKey::Address:
      guarded([&] { t.extras.FocusAddress(); });
      break;
    case PaneKey::Print:
      exec(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER);
      break;
    case PaneKey::Save:
      exec(OLECMDID_SAVEAS, OLECMDEXECOPT_PROMPTUSER);
      break;
  }
}

}  // namespace corvane
