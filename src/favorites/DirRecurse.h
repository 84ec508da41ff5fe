#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/IMessageBox.h"
#include "platform/TreeNodes.h"

namespace corvane {

// Builds the favorites tree from a folder in one pass: every folder becomes a folder node, every
// Internet shortcut a link node carrying its address. One instance serves one fill of a tree.
class DirRecurse {
 public:
  // The title of the message that reports a folder or file the scan could not read.
  static constexpr const char* kScanFailureTitle = "DirRecurse.RecursePathTV";

  explicit DirRecurse(IMessageBox& messageBox);
  DirRecurse(const DirRecurse&) = delete;
  DirRecurse& operator=(const DirRecurse&) = delete;

  // Empties TView and builds it from PathName: the root (key "Root", text PathName, expanded,
  // folder pictures), then depth first each folder's subfolders, then its shortcuts; sorted once
  // at the end. Returns the number of nodes, the root included.
  long RecurseDirTV(TreeNodes& TView, const std::string& PathName);

 private:
  // Adds the subfolders and shortcuts of node's folder as its children. A folder that can't be
  // listed is reported and the scan goes on without the rest of it; a shortcut that can't be read
  // is reported and still added, without an address. Corvane's own temp files are passed over.
  // The folder is named apart from the node: a node shows its name as typed, which its file name
  // may hold escaped.
  void ScanFolder(TreeNode& node, const std::filesystem::path& folder);
  // Pictures and sorting for every node.
  void AssignImages();
  void report(const std::error_code& error);

  IMessageBox& messageBox_;
  TreeNodes* nodes_ = nullptr;
  // The folders being scanned, outermost first, as their real paths: a folder reached again
  // through a link is a loop and is not scanned again.
  std::vector<std::string> scanning_;
};

}  // namespace corvane
