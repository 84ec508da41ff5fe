#pragma once

#include <string>

#include "FakeFileDialog.h"
#include "PaneRig.h"
#include "TempDir.h"
#include "base/mdlGen.h"
#include "panes/PaneCommands.h"

namespace corvane {

// Both panes over fakes with their pane commands, a cv.ini in a temp folder, a scripted file
// dialog and a count of favorites toggles.
struct CommandsRig {
  static constexpr const char* kSite = "http://site.example";

  CommandsRig()
      : settings(dir.path() / "cv.ini"),
        topCommands(top.controller, settings, fileDialog, kSite, [this] { ++favoritesToggles; }),
        bottomCommands(bottom.controller, settings, fileDialog, kSite,
                       [this] { ++favoritesToggles; }) {}

  PaneRig& rig(PaneId id) { return id == PaneId::Top ? top : bottom; }
  PaneCommands& commands(PaneId id) { return id == PaneId::Top ? topCommands : bottomCommands; }

  TempDir dir;
  mdlGen settings;
  FakeFileDialog fileDialog;
  PaneRig top{PaneId::Top};
  PaneRig bottom{PaneId::Bottom};
  int favoritesToggles = 0;
  PaneCommands topCommands;
  PaneCommands bottomCommands;
};

}  // namespace corvane
