#include "favorites/FavoritesAdder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "base/AtomicFile.h"
#include "favorites/FavoriteName.h"
#include "favorites/FavoritesListing.h"
#include "favorites/InternetShortcut.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

// A folder path relative to the Favorites folder, its file names as they stand, except that no
// name can lead out of it: "." and ".." are names made by the naming rule ("a/../b" is
// a/%2E./b).
std::string safeRelative(const std::string& relative) {
  std::string safe;
  std::size_t begin = 0;
  while (begin <= relative.size()) {
    std::size_t end = relative.find('/', begin);
    if (end == std::string::npos) end = relative.size();
    std::string name = relative.substr(begin, end - begin);
    if (name == "." || name == "..") name = FavoriteName::FileName(name, FavoriteName::kFolder);
    if (!name.empty()) {
      if (!safe.empty()) safe += '/';
      safe += name;
    }
    begin = end + 1;
  }
  return safe;
}

// The folders to offer again: those on disk, and those of `chosen` that the user made in the
// dialog, which are made on disk only with the favorite.
std::vector<FolderChoice> foldersWith(const std::string& root, const std::string& chosen) {
  std::vector<FolderChoice> folders = FavoritesListing::Folders(root);
  std::size_t end = 0;
  while (end != std::string::npos && !chosen.empty()) {
    end = chosen.find('/', end + 1);
    const std::string path = chosen.substr(0, end);
    const std::size_t slash = path.rfind('/');
    const auto known = [&](const FolderChoice& f) { return f.path == path; };
    if (std::none_of(folders.begin(), folders.end(), known)) {
      folders.push_back({path, FavoriteName::FolderName(
                                   slash == std::string::npos ? path : path.substr(slash + 1))});
    }
  }
  return folders;
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
  const std::string page = title.empty() ? address : title;
  AddFavoriteRequest request{address, FavoriteName::Kept(page, FavoriteName::kShortcut),
                             FavoritesListing::Folders(root), "", ""};
  if (FavoriteName::Shortened(page, FavoriteName::kShortcut))
    request.notice = FavoriteName::kShortenedNotice;
  for (;;) {
    const std::optional<AddFavoriteChoice> choice = dialog_.AddFavorite(request);
    if (!choice) return false;
    // Named so that the tree shows the name as it was typed.
    const std::string name = FavoriteName::Kept(choice->name, FavoriteName::kShortcut);
    const std::string relative = safeRelative(choice->folder);
    // Back to the dialog with what the user chose, to confirm it or choose again.
    const auto again = [&](const char* notice) {
      request.name = name;
      request.folders = foldersWith(root, relative);
      request.folder = relative;
      request.notice = notice;
    };
    if (FavoriteName::Shortened(choice->name, FavoriteName::kShortcut)) {
      // The user sees the name that will be kept before anything is saved.
      again(FavoriteName::kShortenedNotice);
      continue;
    }
    const fs::path folder = relative.empty() ? fs::path(root) : fs::path(root) / relative;
    const fs::path file = folder / FavoriteName::FileName(choice->name, FavoriteName::kShortcut);
    std::error_code ec;
    const bool exists = fs::exists(fs::symlink_status(file, ec));
    if (exists && !confirmReplace(name)) {
      again("");
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
