#pragma once

#include <QAbstractItemModel>

#include <string>

namespace corvane {

class HistoryWindow;

// The History window's list as the tree shows it: each group of days a row of its own, its pages
// under it with their title and address. Rows are read from the window's logic when the view
// asks for them, so that a list of 100,000 visits costs only what is on the screen.
class HistoryListModel : public QAbstractItemModel {
  Q_OBJECT
 public:
  enum Column { kTitle, kAddress, kColumns };
  // The page's address, on each of its cells; none on a group's row.
  static constexpr int kUrlRole = Qt::UserRole;

  HistoryListModel(const HistoryWindow& window, QObject* parent);

  // The logic has read its list again.
  void refresh();
  // The address of the page in a row; "" for a group's row.
  std::string url(const QModelIndex& index) const;

  QModelIndex index(int row, int column, const QModelIndex& parent) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const HistoryWindow& window_;
};

}  // namespace corvane
