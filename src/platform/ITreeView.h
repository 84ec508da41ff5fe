#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

// One node of a tree view: what it shows, the data it carries, and its children in the order
// they are shown.
struct TreeNode {
  std::string Text;
  std::string Key;
  std::string Tag;
  // Picture keys: Image when collapsed (or a leaf), ExpandedImage while expanded ("" for none).
  std::string Image;
  std::string ExpandedImage;
  bool Expanded = false;
  std::vector<std::unique_ptr<TreeNode>> Children;
};

// A tree of nodes with pictures, shown to the user; a click on a node is reported.
class ITreeView {
 public:
  ITreeView() = default;
  ITreeView(const ITreeView&) = delete;
  ITreeView& operator=(const ITreeView&) = delete;
  virtual ~ITreeView() = default;

  // Shows the tree under root in place of what was shown; root itself is the top node.
  virtual void Show(const TreeNode& root) = 0;
  // Removes every node.
  virtual void Clear() = 0;
  // Number of nodes shown, the top node included; 0 when empty.
  virtual int NodeCount() const = 0;
  // What runs when the user clicks a node; the node is the one passed to Show. nullptr: nothing.
  virtual void SetOnNodeClick(std::function<void(const TreeNode&)> onNodeClick) = 0;
};

}  // namespace corvane
