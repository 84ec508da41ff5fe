#pragma once

#include <QObject>

#include <functional>

#include "platform/ITreeView.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace corvane {

// The favorites tree widget as a thin view of the tree's nodes: one item per node, with its
// text and its pictures (the expanded picture while open). A click on a node, or Enter on the
// current one, is reported with the node shown, and so is a click of the middle button apart;
// "Refresh" in its context menu, or F5 in it, is reported too.
class QtTreeView : public QObject, public ITreeView {
  Q_OBJECT
 public:
  using OnNodeClick = std::function<void(const TreeNode& node)>;

  explicit QtTreeView(QTreeWidget* tree);

  // ITreeView
  void Show(const TreeNodes& nodes) override;
  void SetFocus() override;
  TreeViewState State() const override;
  void Select(const TreeNode& node) override;

  void setOnNodeClick(OnNodeClick onNodeClick) { onNodeClick_ = std::move(onNodeClick); }
  void setOnNodeMiddleClick(OnNodeClick onClick) { onNodeMiddleClick_ = std::move(onClick); }
  void setOnRefresh(std::function<void()> onRefresh) { onRefresh_ = std::move(onRefresh); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static const TreeNode* nodeOf(const QTreeWidgetItem* item);
  void report(const QTreeWidgetItem* item);
  static void showPicture(QTreeWidgetItem* item, bool expanded);

  QTreeWidget* tree_;
  OnNodeClick onNodeClick_;
  OnNodeClick onNodeMiddleClick_;
  std::function<void()> onRefresh_;
};

}  // namespace corvane
