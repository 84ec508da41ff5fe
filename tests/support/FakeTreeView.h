#pragma once

#include <functional>
#include <utility>

#include "platform/ITreeView.h"

namespace corvane {

// A tree view that remembers the last tree shown and lets a test click one of its nodes.
class FakeTreeView : public ITreeView {
 public:
  void Show(const TreeNode& root) override {
    root_ = &root;
    count_ = countNodes(root);
    ++shows_;
  }
  void Clear() override {
    root_ = nullptr;
    count_ = 0;
  }
  int NodeCount() const override { return count_; }
  void SetOnNodeClick(std::function<void(const TreeNode&)> onNodeClick) override {
    onNodeClick_ = std::move(onNodeClick);
  }

  const TreeNode* root() const { return root_; }
  int shows() const { return shows_; }
  // The user's click on a node.
  void click(const TreeNode& node) {
    if (onNodeClick_) onNodeClick_(node);
  }

 private:
  static int countNodes(const TreeNode& node) {
    int n = 1;
    for (const auto& child : node.Children) n += countNodes(*child);
    return n;
  }

  const TreeNode* root_ = nullptr;
  int count_ = 0;
  int shows_ = 0;
  std::function<void(const TreeNode&)> onNodeClick_;
};

}  // namespace corvane
