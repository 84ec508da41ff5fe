#include "favorites/FavoritesAdder.h"

#include <filesystem>
#include <system_error>

#include "base/AtomicFile.h"
#include "favorites/FavoritesListing.h"
#include "favorites/InternetShortcut.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

// A folder path relative to the Favorites folder with each of its names made valid, so that no
// name can lead out of it ("a/../b" is a/Untitled/b).
std::string safeRelative(const std::string& relative) {
  std::string safe;
  std::size_t begin = 0;
  while (begin <= relative.size()) {
    std::size_t end = relative.find('/', begin);
    if (end == std::string::npos) end = relative.size();
    const std::string name = relative.substr(begin, end - begin);
    if (!name.empty()) {
      if (!safe.empty()) safe += '/';
      safe += InternetShortcut::SafeFileName(name);
    }
    begin = end + 1;
  }
  return safe;
}

}  // namespace

FavoritesAdder::FavoritesAdder(const FavoritesFolder& favorites, IAddFavoriteDialog& dialog,
                               IMessageBox& messageBox)
    : favorites_(favorites), dialog_(dialog), messageBox_(messageBox) {}

bool FavoritesAdder::AddFavorite(const std::string& address, const std::string& title) {
  const std::string root = favorites_.GetFavoritesFolder();
  if (root.empty()) {
    reportFailure("the Favorites folder");
    return false;
  }
  const std::string proposed = InternetShortcut::ShownName(title.empty() ? address : title);
  AddFavoriteRequest request{address, proposed, FavoritesListing::Folders(root), ""};
  for (;;) {
    const std::optional<AddFavoriteChoice> choice = dialog_.AddFavorite(request);
    if (!choice) return false;
    // Named so that the tree shows the name as it was typed.
    const std::string name = InternetShortcut::ShownName(choice->name);
    const std::string relative = safeRelative(choice->folder);
    const fs::path folder = relative.empty() ? fs::path(root) : fs::path(root) / relative;
    const fs::path file = folder / InternetShortcut::FileNameFor(choice->name);
    std::error_code ec;
    const bool exists = fs::exists(fs::symlink_status(file, ec));
    if (exists && !confirmReplace(name)) {
      // Back to the dialog with what the user chose, to pick another name or folder.
      request.name = name;
      request.folders = FavoritesListing::Folders(root);
      request.folder = relative;
      continue;
    }
    fs::create_directories(folder, ec);
    // Only a replace the user agreed to may overwrite; a file that turns up meanwhile is kept.
    const AtomicFile shortcut(file);
    const std::string text = InternetShortcut::Text(address);
    if (ec || !(exists ? shortcut.replace(text) : shortcut.create(text))) {
      reportFailure(file.string());
      return false;
    }
    return true;
  }
}

bool FavoritesAdder::confirmReplace(const std::string& name) {
  return messageBox_.MsgBox("A favorite named \"" + name +
                                "\" is already in this folder. Do you want to replace it?",
                            MsgBoxButtons::YesNo, MsgBoxIcon::Question, "") == MsgBoxResult::Yes;
}

void FavoritesAdder::reportFailure(const std::string& where) {
  messageBox_.MsgBox("The favorite could not be saved in " + where + ".", MsgBoxButtons::OK,
                     MsgBoxIcon::Exclamation, "");
}

}  // namespace corvane
