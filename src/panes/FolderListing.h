#pragma once

#include <string>
#include <vector>

namespace corvane {

// The file list of a pane's folder view: the ordinary files of one folder, sorted by name, and a
// current entry that the Back and Forward steps move. It is never shown as a list; only its count
// and the file a step reaches are visible.
//
// Hidden files (name starting with ".") and anything that is not a regular file (folders, sockets,
// devices, broken links) are left out. Names are sorted by byte order of their UTF-8 form, which is
// stable and locale-free. Every file is kept, however many the folder holds: photo folders pass
// 32,767 files. Nothing here throws: a folder that cannot be read gives an empty listing.
class FolderListing {
 public:
  // The folder, without a trailing separator ("/" itself stays "/").
  std::string Path() const { return path_; }
  // Fills the listing anew from the folder, with no current entry.
  void SetPath(const std::string& folder);

  int ListCount() const { return static_cast<int>(names_.size()); }
  // Current entry, -1 for none.
  int ListIndex() const { return index_; }
  // Makes an entry current (-1: none). An index outside -1..ListCount()-1 is refused: the current
  // entry stays where it was and false is returned.
  bool SetListIndex(int index);
  // Name of the current entry, "" when there is none.
  std::string FileName() const;
  // Name of entry i, "" when out of range.
  std::string List(int index) const;

 private:
  std::string path_;
  std::vector<std::string> names_;
  int index_ = -1;
};

}  // namespace corvane
