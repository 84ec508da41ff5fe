#pragma once

#include <string>
#include <vector>

namespace corvane {

// One node of a tree: what it shows, the data it carries and its place in the tree. The tree's
// node collection (TreeNodes) owns every node; a node only points at its parent and children.
struct TreeNode {
  // Display text.
  std::string Text;
  // A name to find the node by; "" for none.
  std::string Key;
  // The data the node carries (a favorite's address); "" for none.
  std::string Tag;
  // Picture keys: Image when collapsed or a leaf, ExpandedImage while expanded; "" for none.
  std::string Image;
  std::string ExpandedImage;
  // What the node is, in words a screen reader says with its text ("Folder"); "" for none.
  std::string Kind;
  bool Expanded = false;
  // When set, the children stand in alphabetical order of their Text, case ignored.
  bool Sorted = false;
  // Position in the tree's node collection, from 1, in order of insertion.
  int Index = 0;
  TreeNode* Parent = nullptr;
  // In the order they are shown.
  std::vector<TreeNode*> Children;

  bool HasChildren() const { return !Children.empty(); }
  // A top node: its Text; any other node: the parent's FullPath, the separator, then its Text.
  std::string FullPath(char separator = '/') const;
};

}  // namespace corvane
