#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/TreeNode.h"

namespace corvane {

// The flat node collection of a tree, in order of insertion; it owns the nodes. Indexes run
// from 1 and name a node when a child is added to it.
class TreeNodes {
 public:
  TreeNodes() = default;
  TreeNodes(const TreeNodes&) = delete;
  TreeNodes& operator=(const TreeNodes&) = delete;
  // Nodes keep their addresses when their collection is moved.
  TreeNodes(TreeNodes&&) = default;
  TreeNodes& operator=(TreeNodes&&) = default;

  // Removes every node.
  void Clear();
  int Count() const { return static_cast<int>(nodes_.size()); }
  // The node at index (1 = first added); throws std::out_of_range outside the collection.
  TreeNode& Item(int index);
  const TreeNode& Item(int index) const;
  // The nodes without a parent, in order of insertion.
  std::vector<const TreeNode*> Roots() const;

  // Adds a top node.
  TreeNode& Add(const std::string& key, const std::string& text);
  // Adds the last child of the node at relative (its Index); throws std::out_of_range when
  // there is no such node.
  TreeNode& AddChild(int relative, const std::string& text, const std::string& tag = {});

  // Sets or clears the node's Sorted flag; setting it puts its children into order at once.
  static void SetSorted(TreeNode& node, bool sorted);
  // The order of sorted children: byte order with the ASCII letters' case ignored.
  static bool LessIgnoringCase(const std::string& a, const std::string& b);

 private:
  std::vector<std::unique_ptr<TreeNode>> nodes_;
};

}  // namespace corvane
