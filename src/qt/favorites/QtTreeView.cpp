#include "qt/favorites/QtTreeView.h"

#include <QAction>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <vector>

#include "qt/favorites/FavoritesIcons.h"

namespace corvane {

namespace {

constexpr int kNodeRole = Qt::UserRole;

QTreeWidgetItem* makeItem(const TreeNode& node, std::vector<QTreeWidgetItem*>& toExpand) {
  auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(node.Text)));
  item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(&node)));
  item->setIcon(0, FavoritesIcons::forKey(QString::fromStdString(node.Image)));
  item->setData(0, Qt::AccessibleDescriptionRole, QString::fromStdString(node.Kind));
  QList<QTreeWidgetItem*> children;
  children.reserve(static_cast<int>(node.Children.size()));
  for (const TreeNode* child : node.Children) children.append(makeItem(*child, toExpand));
  item->addChildren(children);
  if (node.Expanded) toExpand.push_back(item);
  return item;
}

}  // namespace

QtTreeView::QtTreeView(QTreeWidget* tree) : QObject(tree), tree_(tree) {
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  // Hidden, the header is still met by screen readers, which would read its default "1".
  tree_->setHeaderLabels({tr("Favorites")});
  tree_->setSortingEnabled(false);  // the nodes come in their own order
  tree_->setUniformRowHeights(true);
  tree_->setIconSize(QSize(16, 16));
  connect(tree_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item, int) { report(item); });
  connect(tree_, &QTreeWidget::itemExpanded, this,
          [](QTreeWidgetItem* item) { showPicture(item, true); });
  connect(tree_, &QTreeWidget::itemCollapsed, this,
          [](QTreeWidgetItem* item) { showPicture(item, false); });
  tree_->installEventFilter(this);
  tree_->viewport()->installEventFilter(this);
  auto* refresh = new QAction(tr("&Refresh"), tree_);
  refresh->setObjectName(QStringLiteral("mnuRefreshFavorites"));
  refresh->setShortcut(QKeySequence(Qt::Key_F5));
  refresh->setShortcutContext(Qt::WidgetShortcut);
  tree_->addAction(refresh);
  connect(refresh, &QAction::triggered, this, [this] {
    if (onRefresh_) onRefresh_();
  });
  tree_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void QtTreeView::Show(const TreeNodes& nodes) {
  tree_->setUpdatesEnabled(false);
  tree_->clear();
  std::vector<QTreeWidgetItem*> toExpand;
  QList<QTreeWidgetItem*> tops;
  for (const TreeNode* root : nodes.Roots()) {
    QTreeWidgetItem* top = makeItem(*root, toExpand);
    // The root shows its folder's whole path; a screen reader says the folder's name alone.
    const QString name = QFileInfo(top->text(0)).fileName();
    if (!name.isEmpty()) top->setData(0, Qt::AccessibleTextRole, name);
    tops.append(top);
  }
  tree_->addTopLevelItems(tops);
  for (QTreeWidgetItem* item : toExpand) item->setExpanded(true);
  if (!tops.isEmpty()) tree_->setCurrentItem(tops.first());
  tree_->setUpdatesEnabled(true);
}

void QtTreeView::SetFocus() {
  // The tree comes on screen when the window applies the layout that shows it, after the
  // command that asked for it.
  QMetaObject::invokeMethod(
      tree_, [tree = tree_] { tree->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
}

TreeViewState QtTreeView::State() const {
  TreeViewState state;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    const TreeNode* node = nodeOf(*it);
    if (node && (*it)->isExpanded()) state.expanded.push_back(node->FullPath());
  }
  if (const TreeNode* node = nodeOf(tree_->currentItem())) state.selected = node->FullPath();
  return state;
}

void QtTreeView::Select(const TreeNode& node) {
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    if (nodeOf(*it) == &node) {
      tree_->setCurrentItem(*it);
      tree_->scrollToItem(*it);
      return;
    }
  }
}

const TreeNode* QtTreeView::nodeOf(const QTreeWidgetItem* item) {
  if (!item) return nullptr;
  return reinterpret_cast<const TreeNode*>(item->data(0, kNodeRole).value<quintptr>());
}

void QtTreeView::report(const QTreeWidgetItem* item) {
  const TreeNode* node = nodeOf(item);
  if (node && onNodeClick_) onNodeClick_(*node);
}

void QtTreeView::showPicture(QTreeWidgetItem* item, bool expanded) {
  const TreeNode* node = nodeOf(item);
  if (!node) return;
  const std::string& key =
      expanded && !node->ExpandedImage.empty() ? node->ExpandedImage : node->Image;
  item->setIcon(0, FavoritesIcons::forKey(QString::fromStdString(key)));
}

bool QtTreeView::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == tree_->viewport() &&
      (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
      static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
    // The middle button is a click of its own, never the tree's selection or its click.
    if (type == QEvent::MouseButtonRelease) {
      const QTreeWidgetItem* item =
          tree_->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      const TreeNode* node = nodeOf(item);
      if (node && onNodeMiddleClick_) onNodeMiddleClick_(*node);
    }
    return true;
  }
  if (watched == tree_ && type == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && tree_->currentItem()) {
      report(tree_->currentItem());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace corvane
