#include "favorites/FavoritesImporter.h"

#include <system_error>

#include "base/AsciiText.h"
#include "base/AtomicFile.h"
#include "favorites/FavoriteName.h"
#include "favorites/InternetShortcut.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

// A name taken tries "name (2)", "name (3)", ...; a folder of many namesakes still ends.
constexpr int kMaxTries = 1000;

// The file name of the n-th try at a name: "name", "name (2)", ... The number is never cut off,
// however long the name.
std::string numbered(const std::string& title, const char* ending, int n) {
  return FavoriteName::FileName(title, ending, n == 1 ? "" : " (" + std::to_string(n) + ")");
}

bool taken(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

bool sameAddress(const fs::path& shortcut, const std::string& address) {
  try {
    return InternetShortcut::ReadAddress(shortcut) == address;
  } catch (const std::system_error&) {
    return false;
  }
}

void importLink(const Bookmark& link, const fs::path& folder, ImportSummary& summary) {
  const AddressKind kind = KindOfAddress(link.address);
  if (kind != AddressKind::Web) {
    ++summary.skipped[kind];
    return;
  }
  const std::string address = trimSpace(link.address);
  const std::string& title = link.title.empty() ? address : link.title;
  const std::string text = InternetShortcut::Text(address);
  for (int n = 1; n <= kMaxTries; ++n) {
    const fs::path file = folder / numbered(title, FavoriteName::kShortcut, n);
    if (taken(file)) {
      if (sameAddress(file, address)) {
        ++summary.alreadyThere;
        return;
      }
      continue;
    }
    // create() never replaces: a file that appears meanwhile sends us on to the next name.
    if (AtomicFile(file).create(text)) {
      ++summary.imported;
      return;
    }
    if (!taken(file)) break;
  }
  ++summary.failed;
}

int countLinks(const Bookmark& folder) {
  int count = 0;
  for (const Bookmark& child : folder.children) count += child.folder ? countLinks(child) : 1;
  return count;
}

void importFolder(const Bookmark& folder, const fs::path& into, ImportSummary& summary) {
  for (const Bookmark& child : folder.children) {
    if (!child.folder) {
      importLink(child, into, summary);
      continue;
    }
    fs::path target;
    for (int n = 1; n <= kMaxTries && target.empty(); ++n) {
      const fs::path candidate = into / numbered(child.title, FavoriteName::kFolder, n);
      std::error_code ec;
      const fs::file_status status = fs::symlink_status(candidate, ec);
      if (fs::is_directory(status)) {
        target = candidate;
      } else if (!fs::exists(status)) {
        if (fs::create_directory(candidate, ec) || fs::is_directory(candidate, ec)) {
          target = candidate;
        } else {
          break;
        }
      }
    }
    if (target.empty()) {
      summary.failed += countLinks(child);
      continue;
    }
    importFolder(child, target, summary);
  }
}

}  // namespace

ImportSummary FavoritesImporter::Import(const Bookmark& root, const fs::path& favorites) {
  ImportSummary summary;
  importFolder(root, favorites, summary);
  return summary;
}

}  // namespace corvane
