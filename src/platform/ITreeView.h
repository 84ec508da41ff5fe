#pragma once

#include <string>
#include <vector>

#include "platform/TreeNodes.h"

namespace corvane {

// What the user has made of a tree shown: the nodes expanded and the node selected, each by its
// FullPath.
struct TreeViewState {
  std::vector<std::string> expanded;
  // "" when nothing is selected.
  std::string selected;
};

// A tree view with pictures: a thin view of a node collection, which stays with its owner.
// A click on a node reaches the window's handler, which receives the node shown.
class ITreeView {
 public:
  ITreeView() = default;
  ITreeView(const ITreeView&) = delete;
  ITreeView& operator=(const ITreeView&) = delete;
  virtual ~ITreeView() = default;

  // Shows the nodes in place of what was shown: each top node with its children, in their
  // order, with their pictures and expanded state. The nodes must outlive what is shown.
  virtual void Show(const TreeNodes& nodes) = 0;
  // Takes the keyboard focus as soon as the tree is on screen.
  virtual void SetFocus() = 0;
  // The expanded nodes and the selection of what is shown.
  virtual TreeViewState State() const = 0;
  // Makes the node shown for node the selected one.
  virtual void Select(const TreeNode& node) = 0;
};

}  // namespace corvane
