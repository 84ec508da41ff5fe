#include "favorites/FavoritesOrganizer.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "favorites/FavoriteName.h"
#include "favorites/FavoritesListing.h"
#include "favorites/InternetShortcut.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

using Status = OrganizeResult::Status;

OrganizeResult refused(const std::string& message) { return {Status::Refused, message, {}}; }

OrganizeResult failed(const std::string& what, const std::error_code& ec) {
  return {Status::Failed, what + ": " + ec.message() + ".", {}};
}

// Whether path lies inside folder (or is it, when orSame).
bool within(const fs::path& path, const fs::path& folder, bool orSame) {
  const auto [f, p] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
  if (f != folder.end()) return false;
  return orSame || p != path.end();
}

bool present(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// The item as the user knows it: a shortcut by the name the tree shows.
std::string quoted(const fs::path& path) {
  const std::string name = path.filename().string();
  std::error_code ec;
  const bool folder = fs::is_directory(fs::symlink_status(path, ec));
  return "\"" +
         (folder ? FavoriteName::FolderName(name)
                 : FavoriteName::ShortcutName(name).value_or(name)) +
         "\"";
}

// What follows the name in item's file name: nothing for a folder, from the first ".url" on for
// a shortcut (".url", ".URL", ".url.bak"), which a rename keeps as it is.
std::string endingOf(const fs::path& item) {
  std::error_code ec;
  if (fs::is_directory(fs::symlink_status(item, ec))) return FavoriteName::kFolder;
  const std::string name = item.filename().string();
  const std::size_t at = InternetShortcut::ExtensionAt(name);
  return at == std::string::npos ? FavoriteName::kFolder : name.substr(at);
}

std::optional<std::string> ifShortened(const std::string& name, const std::string& ending) {
  if (!FavoriteName::Shortened(name, ending)) return std::nullopt;
  return FavoriteName::Kept(name, ending);
}

}  // namespace

FavoritesOrganizer::FavoritesOrganizer(fs::path root, ITrash& trash)
    : root_(std::move(root)), trash_(trash) {}

FavoriteEntry FavoritesOrganizer::Tree() const { return FavoritesListing::Tree(root_); }

std::vector<FolderChoice> FavoritesOrganizer::Folders() const {
  return FavoritesListing::Folders(root_);
}

fs::path FavoritesOrganizer::inside(const fs::path& item) const {
  std::error_code ec;
  const fs::path realRoot = fs::canonical(root_, ec);
  if (ec) return {};
  const fs::path name = item.filename();
  if (name.empty() || name == "." || name == "..") return {};
  const fs::path parent = fs::canonical(item.parent_path(), ec);
  if (ec || !within(parent, realRoot, true)) return {};
  return parent / name;
}

fs::path FavoritesOrganizer::folderWithin(const fs::path& folder) const {
  std::error_code ec;
  const fs::path realRoot = fs::canonical(root_, ec);
  if (ec) return {};
  const fs::path real = fs::canonical(folder, ec);
  if (ec || !fs::is_directory(real, ec) || !within(real, realRoot, true)) return {};
  return real;
}

OrganizeResult FavoritesOrganizer::Rename(const fs::path& item, const std::string& newName) {
  const fs::path path = inside(item);
  if (path.empty() || !present(path)) return refused("Only favorites can be renamed.");
  const fs::path target = path.parent_path() / FavoriteName::FileName(newName, endingOf(path));
  if (target == path) return {Status::Done, {}, path};
  if (present(target)) return refused(quoted(target) + " is already in this folder.");
  std::error_code ec;
  fs::rename(path, target, ec);
  if (ec) return failed("Could not rename " + quoted(path), ec);
  return {Status::Done, {}, target};
}

std::optional<std::string> FavoritesOrganizer::ShortenedRename(const fs::path& item,
                                                               const std::string& newName) const {
  return ifShortened(newName, endingOf(item));
}

std::optional<std::string> FavoritesOrganizer::ShortenedFolderName(const std::string& name) {
  return ifShortened(name, FavoriteName::kFolder);
}

OrganizeResult FavoritesOrganizer::Delete(const fs::path& item, bool permanently) {
  const fs::path path = inside(item);
  if (path.empty() || !present(path)) return refused("Only favorites can be deleted.");
  if (!permanently) {
    if (trash_.MoveToTrash(path.string())) return {Status::Done, {}, {}};
    return {Status::NoTrash, quoted(path) + " could not be moved to the trash.", path};
  }
  std::error_code ec;
  // remove_all removes a link, not what it points to, and never follows links inside a folder.
  fs::remove_all(path, ec);
  if (ec) return failed("Could not delete " + quoted(path), ec);
  return {Status::Done, {}, {}};
}

OrganizeResult FavoritesOrganizer::NewFolder(const fs::path& folder, const std::string& name) {
  const fs::path parent = folderWithin(folder);
  if (parent.empty()) return refused("New folders go inside the Favorites folder.");
  const fs::path target = parent / FavoriteName::FileName(name, FavoriteName::kFolder);
  if (present(target)) return refused(quoted(target) + " is already in this folder.");
  std::error_code ec;
  fs::create_directory(target, ec);
  if (ec) return failed("Could not create " + quoted(target), ec);
  return {Status::Done, {}, target};
}

OrganizeResult FavoritesOrganizer::Move(const fs::path& item, const fs::path& folder) {
  const fs::path path = inside(item);
  const fs::path into = folderWithin(folder);
  if (path.empty() || !present(path) || into.empty()) {
    return refused("Favorites can be moved only into folders of the Favorites folder.");
  }
  if (into == path.parent_path()) return {Status::Done, {}, path};
  std::error_code ec;
  if (fs::is_directory(fs::symlink_status(path, ec)) && within(into, path, true)) {
    return refused("A folder can't be moved into itself.");
  }
  const fs::path target = into / path.filename();
  if (present(target)) return refused(quoted(target) + " is already in that folder.");
  fs::rename(path, target, ec);
  if (ec) return failed("Could not move " + quoted(path), ec);
  return {Status::Done, {}, target};
}

}  // namespace corvane
