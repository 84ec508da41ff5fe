#include "qt/dialogs/HistoryListModel.h"

#include "dialogs/HistoryWindow.h"

namespace corvane {

namespace {

// The internal id of a group's row; a page's row carries its group's number.
constexpr quintptr kGroupRow = ~quintptr(0);

QString toQ(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

HistoryListModel::HistoryListModel(const HistoryWindow& window, QObject* parent)
    : QAbstractItemModel(parent), window_(window) {}

void HistoryListModel::refresh() {
  beginResetModel();
  endResetModel();
}

QModelIndex HistoryListModel::index(int row, int column, const QModelIndex& parent) const {
  if (!hasIndex(row, column, parent)) return {};
  return createIndex(row, column, parent.isValid() ? quintptr(parent.row()) : kGroupRow);
}

QModelIndex HistoryListModel::parent(const QModelIndex& child) const {
  if (!child.isValid() || child.internalId() == kGroupRow) return {};
  return createIndex(static_cast<int>(child.internalId()), 0, kGroupRow);
}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
  const std::vector<HistoryGroup>& groups = window_.Groups();
  if (!parent.isValid()) return static_cast<int>(groups.size());
  if (parent.internalId() != kGroupRow || parent.column() != 0) return 0;
  return static_cast<int>(groups[static_cast<std::size_t>(parent.row())].visits.size());
}

int HistoryListModel::columnCount(const QModelIndex&) const { return kColumns; }

std::string HistoryListModel::url(const QModelIndex& index) const {
  if (!index.isValid() || index.internalId() == kGroupRow) return {};
  const HistoryGroup& group = window_.Groups()[index.internalId()];
  return group.visits[static_cast<std::size_t>(index.row())].url;
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const std::vector<HistoryGroup>& groups = window_.Groups();
  if (index.internalId() == kGroupRow) {
    const HistoryGroup& group = groups[static_cast<std::size_t>(index.row())];
    if (index.column() == kTitle && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
      return toQ(group.caption);
    // Hidden under the caption, which spans the row; a screen reader says how much it holds.
    if (index.column() == kAddress && role == Qt::AccessibleTextRole) {
      const auto pages = static_cast<int>(group.visits.size());
      return pages == 1 ? tr("1 page") : tr("%1 pages").arg(pages);
    }
    return {};
  }
  const HistoryVisit& visit =
      groups[index.internalId()].visits[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      // A page without a title is known by its address.
      return toQ(index.column() == kTitle && !visit.title.empty() ? visit.title : visit.url);
    case Qt::ToolTipRole:
    case kUrlRole:
      return toQ(visit.url);
    default:
      return {};
  }
}

QVariant HistoryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return section == kTitle ? tr("Title") : tr("Address");
}

Qt::ItemFlags HistoryListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  // A group's caption is a heading: it can be reached and folded, not chosen.
  if (index.internalId() == kGroupRow) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace corvane
