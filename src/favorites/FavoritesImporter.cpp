#include "favorites/FavoritesImporter.h"

#include <system_error>
#include <vector>

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

// A shortcut to write, and which try at its name it is.
struct Planned {
  std::string title;
  std::string address;
  fs::path folder;
  int n;
};

class ImportRun {
 public:
  explicit ImportRun(ImportSummary& summary) : summary_(summary) {}

  void folder(const Bookmark& folder, const fs::path& into) {
    for (const Bookmark& child : folder.children) {
      if (!child.folder) {
        link(child, into);
        continue;
      }
      const fs::path target = folderFor(child.title, into);
      if (target.empty()) {
        summary_.failed += countLinks(child);
      } else {
        this->folder(child, target);
      }
    }
  }

  // Writes what was planned; a name that was taken meanwhile moves on to the next.
  void write() {
    std::vector<NewFile> files;
    files.reserve(planned_.size());
    for (const Planned& p : planned_) {
      files.push_back({p.folder / numbered(p.title, FavoriteName::kShortcut, p.n),
                       InternetShortcut::Text(p.address)});
    }
    const std::vector<bool> created = AtomicFile::createAll(files);
    for (std::size_t i = 0; i < planned_.size(); ++i) {
      if (created[i]) {
        ++summary_.imported;
      } else if (taken(files[i].path)) {
        writeOne(planned_[i]);
      } else {
        ++summary_.failed;
      }
    }
  }

 private:
  void link(const Bookmark& link, const fs::path& folder) {
    const AddressKind kind = KindOfAddress(link.address);
    if (kind != AddressKind::Web) {
      ++summary_.skipped[kind];
      return;
    }
    const std::string address = trimSpace(link.address);
    const std::string& title = link.title.empty() ? address : link.title;
    for (int n = 1; n <= kMaxTries; ++n) {
      const fs::path file = folder / numbered(title, FavoriteName::kShortcut, n);
      const auto plannedHere = names_.find(file);
      if (plannedHere != names_.end() || taken(file)) {
        const bool same = plannedHere != names_.end() ? plannedHere->second == address
                                                      : sameAddress(file, address);
        if (same) {
          ++summary_.alreadyThere;
          return;
        }
        continue;
      }
      names_.emplace(file, address);
      planned_.push_back({title, address, folder, n});
      return;
    }
    ++summary_.failed;
  }

  // The shortcut written alone, under the next name that is free.
  void writeOne(const Planned& p) {
    const std::string text = InternetShortcut::Text(p.address);
    for (int n = p.n + 1; n <= kMaxTries; ++n) {
      const fs::path file = p.folder / numbered(p.title, FavoriteName::kShortcut, n);
      // create() never replaces: a file that appears meanwhile sends us on to the next name.
      if (!taken(file) && AtomicFile(file).create(text)) {
        ++summary_.imported;
        return;
      }
      if (!taken(file)) break;
    }
    ++summary_.failed;
  }

  // The folder a bookmark folder goes into: a namesake already there, or a new one; empty when
  // none can be made.
  static fs::path folderFor(const std::string& title, const fs::path& into) {
    for (int n = 1; n <= kMaxTries; ++n) {
      const fs::path candidate = into / numbered(title, FavoriteName::kFolder, n);
      std::error_code ec;
      const fs::file_status status = fs::symlink_status(candidate, ec);
      if (fs::is_directory(status)) return candidate;
      if (fs::exists(status)) continue;
      if (fs::create_directory(candidate, ec) || fs::is_directory(candidate, ec)) return candidate;
      return {};
    }
    return {};
  }

  static int countLinks(const Bookmark& folder) {
    int count = 0;
    for (const Bookmark& child : folder.children) count += child.folder ? countLinks(child) : 1;
    return count;
  }

  ImportSummary& summary_;
  std::vector<Planned> planned_;
  // The files planned so far, with their addresses.
  std::map<fs::path, std::string> names_;
};

}  // namespace

ImportSummary FavoritesImporter::Import(const Bookmark& root, const fs::path& favorites) {
  ImportSummary summary;
  ImportRun run(summary);
  run.folder(root, favorites);
  run.write();
  return summary;
}

}  // namespace corvane
