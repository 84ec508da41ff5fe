#include "favorites/DirRecurse.h"

#include <algorithm>
#include <filesystem>

#include "base/AtomicFile.h"
#include "favorites/FavoriteName.h"
#include "favorites/FavoritesImages.h"
#include "favorites/InternetShortcut.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr char kRootKey[] = "Root";

struct Listing {
  std::vector<std::string> folders;
  std::vector<std::string> files;
};

}  // namespace

DirRecurse::DirRecurse(IMessageBox& messageBox) : messageBox_(messageBox) {}

long DirRecurse::RecurseDirTV(TreeNodes& TView, const std::string& PathName) {
  nodes_ = &TView;
  nodes_->Clear();
  scanning_.clear();
  TreeNode& root = nodes_->Add(kRootKey, PathName);
  ScanFolder(root, PathName);
  AssignImages();
  // An empty folder got the bad-link picture above; the root always shows as a folder.
  root.Image = kClosedFolderImage;
  root.ExpandedImage = kOpenFolderImage;
  root.Expanded = true;
  root.Kind = kFolderKind;
  return nodes_->Count();
}

void DirRecurse::ScanFolder(TreeNode& node, const fs::path& folder) {
  std::error_code realError;
  const std::string real = fs::canonical(folder, realError).string();
  if (!realError && std::find(scanning_.begin(), scanning_.end(), real) != scanning_.end()) {
    return;
  }

  Listing listing;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const fs::directory_entry& entry = *it;
    // The listing's own types mostly answer these without asking the file system again.
    std::error_code typeError;
    const bool isFolder = entry.is_directory(typeError);
    const std::string name = entry.path().filename().string();
    if (!typeError && isFolder) {
      listing.folders.push_back(name);
    } else if (AtomicFile::isTempName(name)) {
      continue;
    } else if (typeError || entry.is_regular_file(typeError)) {
      // A dangling link is a file that can't be read; pipes and devices are no shortcuts.
      listing.files.push_back(name);
    }
  }
  if (ec) {
    report(ec);
    // What was listed before the failure is still shown.
  }

  scanning_.push_back(real);
  for (const std::string& name : listing.folders) {
    TreeNode& child = nodes_->AddChild(node.Index, FavoriteName::FolderName(name));
    child.Kind = kEmptyFolderKind;
    ScanFolder(child, folder / name);
  }
  scanning_.pop_back();

  for (const std::string& name : listing.files) {
    const std::optional<std::string> text = FavoriteName::ShortcutName(name);
    if (!text) continue;
    std::string address;
    try {
      address = InternetShortcut::ReadAddress(folder / name);
    } catch (const std::system_error& error) {
      report(error.code());
    }
    nodes_->AddChild(node.Index, *text, address);
  }
}

void DirRecurse::AssignImages() {
  for (int i = 1; i <= nodes_->Count(); ++i) {
    TreeNode& node = nodes_->Item(i);
    const bool folder = node.Kind == kEmptyFolderKind;
    if (node.HasChildren()) {
      node.Image = kClosedFolderImage;
      node.ExpandedImage = kOpenFolderImage;
      node.Kind = kFolderKind;
      TreeNodes::SetSorted(node, true);
    } else if (!node.Tag.empty()) {
      node.Image = kLocalDocImage;
      node.Kind = kFavoriteKind;
    } else {
      node.Image = kBadLinkImage;
      if (!folder) node.Kind = kBrokenFavoriteKind;
    }
  }
}

void DirRecurse::report(const std::error_code& error) {
  messageBox_.MsgBox(std::to_string(error.value()) + ": " + error.message(), MsgBoxButtons::OK,
                     MsgBoxIcon::Exclamation, kScanFailureTitle);
}

}  // namespace corvane
