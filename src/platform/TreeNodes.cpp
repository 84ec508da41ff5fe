#include "platform/TreeNodes.h"

#include "base/AsciiText.h"

#include <algorithm>
#include <stdexcept>

namespace corvane {

void TreeNodes::Clear() { nodes_.clear(); }

TreeNode& TreeNodes::Item(int index) {
  if (index < 1 || index > Count()) throw std::out_of_range("no tree node at that index");
  return *nodes_[static_cast<std::size_t>(index - 1)];
}

const TreeNode& TreeNodes::Item(int index) const {
  return const_cast<TreeNodes*>(this)->Item(index);
}

std::vector<const TreeNode*> TreeNodes::Roots() const {
  std::vector<const TreeNode*> roots;
  for (const auto& node : nodes_) {
    if (!node->Parent) roots.push_back(node.get());
  }
  return roots;
}

TreeNode& TreeNodes::Add(const std::string& key, const std::string& text) {
  auto node = std::make_unique<TreeNode>();
  node->Key = key;
  node->Text = text;
  node->Index = Count() + 1;
  nodes_.push_back(std::move(node));
  return *nodes_.back();
}

TreeNode& TreeNodes::AddChild(int relative, const std::string& text, const std::string& tag) {
  TreeNode& parent = Item(relative);
  auto node = std::make_unique<TreeNode>();
  node->Text = text;
  node->Tag = tag;
  node->Index = Count() + 1;
  node->Parent = &parent;
  parent.Children.push_back(node.get());
  nodes_.push_back(std::move(node));
  if (parent.Sorted) SetSorted(parent, true);
  return *nodes_.back();
}

bool TreeNodes::LessIgnoringCase(const std::string& a, const std::string& b) {
  // Bytes of characters other than ASCII letters compare as they stand.
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(asciiLower(x)) < static_cast<unsigned char>(asciiLower(y));
  });
}

void TreeNodes::SetSorted(TreeNode& node, bool sorted) {
  node.Sorted = sorted;
  if (!sorted) return;
  std::stable_sort(
      node.Children.begin(), node.Children.end(),
      [](const TreeNode* a, const TreeNode* b) { return LessIgnoringCase(a->Text, b->Text); });
}

}  // namespace corvane
