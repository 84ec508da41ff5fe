#pragma once

#include <QString>

namespace corvane {

// Where Corvane finds its shipped files and keeps the user's: the program folder (the
// executable's, links resolved), the per-user configuration, data and cache folders.
struct ProgramFolders {
  QString program;
  QString userConfig;
  QString userData;
  QString userCache;

  static ProgramFolders forRunningProgram();
  // The user's Favorites folder, in the data folder ("" without one); created when first needed.
  QString favorites() const;
};

}  // namespace corvane
