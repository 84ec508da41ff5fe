#pragma once

#include <functional>
#include <string>

#include "favorites/FavoritesFolder.h"
#include "favorites/FavoritesImporter.h"
#include "platform/IFileDialog.h"
#include "platform/IMessageBox.h"

namespace corvane {

// Favorites to and from other browsers: "Import Favorites..." reads a bookmarks file of theirs
// into the Favorites folder, "Export Favorites..." writes the favorites as an HTML bookmarks
// file that they import.
class FavoritesTransfer {
 public:
  // imported: runs after an import that added favorites, so that the tree shows them.
  FavoritesTransfer(const FavoritesFolder& favorites, IFileDialog& fileDialog,
                    IMessageBox& messageBox, std::function<void()> imported);
  FavoritesTransfer(const FavoritesTransfer&) = delete;
  FavoritesTransfer& operator=(const FavoritesTransfer&) = delete;

  // Asks for the file, imports it and says how many favorites came and how many were skipped,
  // and why; a file that is no bookmarks file, is damaged or can't be read is refused whole with
  // a message that says so, and nothing is written. The tree is rebuilt when favorites came.
  void ImportFavorites();
  // Asks where to, writes the file and says how many favorites went into it, or that it could
  // not be written.
  void ExportFavorites();

  // The summary an import ends with.
  static std::string SummaryText(const ImportSummary& summary);

 private:
  void tell(const std::string& text, MsgBoxIcon icon);

  const FavoritesFolder& favorites_;
  IFileDialog& fileDialog_;
  IMessageBox& messageBox_;
  std::function<void()> imported_;
};

}  // namespace corvane
