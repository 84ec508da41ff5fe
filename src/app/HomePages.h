#pragma once

#include <filesystem>
#include <string>

#include "base/mdlGen.h"

namespace corvane {

// The main window's four home-page fields, filled once at start-up.
struct HomePages {
  std::string StartingAddress1;         // top pane, online
  std::string StartingAddress2;         // bottom pane, online
  std::string StartingAddressOffLine1;  // top pane, offline
  std::string StartingAddressOffLine2;  // bottom pane, offline
};

// Reads the four home pages from the settings; each one that is empty takes its default, which
// is then written back. siteBase is the product site's address without a trailing slash.
HomePages ResolveHomePages(mdlGen& settings, const std::filesystem::path& programFolder,
                           const std::string& siteBase);

}  // namespace corvane
