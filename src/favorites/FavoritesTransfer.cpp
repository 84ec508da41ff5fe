#include "favorites/FavoritesTransfer.h"

#include <exception>
#include <filesystem>
#include <utility>

#include "base/AtomicFile.h"
#include "favorites/BookmarksFile.h"
#include "favorites/NetscapeBookmarks.h"

namespace corvane {

namespace {

const char kImportTitle[] = "Import Favorites";
const char kExportTitle[] = "Export Favorites";

std::string count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

FavoritesTransfer::FavoritesTransfer(const FavoritesFolder& favorites, IFileDialog& fileDialog,
                                     IMessageBox& messageBox, std::function<void()> imported)
    : favorites_(favorites),
      fileDialog_(fileDialog),
      messageBox_(messageBox),
      imported_(std::move(imported)) {}

std::string FavoritesTransfer::SummaryText(const ImportSummary& summary) {
  static const std::pair<AddressKind, const char*> kSkipped[] = {
      {AddressKind::Empty, "without an address"},
      {AddressKind::Relative, "with a relative address"},
      {AddressKind::InPage, "pointing within a page (#)"},
      {AddressKind::Script, "running a script (javascript:)"},
      {AddressKind::Data, "holding data (data:)"},
      {AddressKind::BrowserPage, "showing a browser's own page (about:, chrome:, edge:, place:)"},
      {AddressKind::Other, "with another kind of address (mailto:, ftp:, ...)"},
  };
  std::string text = count(summary.imported, "favorite", "favorites") + " imported.";
  std::string lines;
  int skipped = 0;
  const auto line = [&](int n, const char* what) {
    if (n == 0) return;
    skipped += n;
    lines += "\n  " + std::to_string(n) + " " + what;
  };
  line(summary.alreadyThere, "already among the favorites");
  for (const auto& [kind, what] : kSkipped) {
    const auto it = summary.skipped.find(kind);
    line(it == summary.skipped.end() ? 0 : it->second, what);
  }
  line(summary.failed, "could not be saved");
  if (skipped == 0) return text;
  return text + "\n" + std::to_string(skipped) + " skipped:" + lines;
}

void FavoritesTransfer::ImportFavorites() {
  const std::string file = fileDialog_.ShowOpen(
      {kImportTitle, "", "Bookmarks Files|*.html;*.htm;*.sqlite;Bookmarks;*.json|All Files|*.*",
       true});
  if (file.empty()) return;
  Bookmark bookmarks;
  try {
    bookmarks = BookmarksFile::Read(file);
  } catch (const std::exception& e) {
    tell(std::string(e.what()) + "\nNothing was imported.", MsgBoxIcon::Exclamation);
    return;
  }
  const std::string folder = favorites_.GetFavoritesFolder();
  if (folder.empty()) {
    tell("The Favorites folder could not be made.", MsgBoxIcon::Exclamation);
    return;
  }
  const ImportSummary summary = FavoritesImporter::Import(bookmarks, folder);
  if (summary.imported > 0 && imported_) imported_();
  tell(SummaryText(summary),
       summary.failed > 0 ? MsgBoxIcon::Exclamation : MsgBoxIcon::Information);
}

void FavoritesTransfer::ExportFavorites() {
  const std::string folder = favorites_.GetFavoritesFolder();
  if (folder.empty()) {
    tell("The Favorites folder could not be made.", MsgBoxIcon::Exclamation);
    return;
  }
  const std::string file =
      fileDialog_.ShowSave({kExportTitle, "html", "HTML Files|*.html;*.htm|All Files|*.*", false});
  if (file.empty()) return;
  std::size_t exported = 0;
  try {
    const Bookmark favorites = BookmarksFile::ReadFavorites(folder, exported);
    if (!AtomicFile(file).replace(NetscapeBookmarks::Write(favorites))) {
      throw std::runtime_error("not written");
    }
  } catch (const std::exception&) {
    tell("The favorites could not be saved in " + file + ".", MsgBoxIcon::Exclamation);
    return;
  }
  tell(count(static_cast<int>(exported), "favorite", "favorites") + " exported to " + file + ".",
       MsgBoxIcon::Information);
}

void FavoritesTransfer::tell(const std::string& text, MsgBoxIcon icon) {
  messageBox_.MsgBox(text, MsgBoxButtons::OK, icon, "");
}

}  // namespace corvane
