#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "panes/Pane.h"

class QComboBox;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace corvane {

class HistoryListModel;
class HistoryWindow;

// The History window: the pages visited, by day, narrowed by a search box; a chosen page opens
// in the top or the bottom pane, or goes from the history, and a range of visits is cleared.
// Each command goes to the window's logic, and the list shown is what the logic holds after it.
class HistoryWindowDialog : public QDialog {
  Q_OBJECT
 public:
  HistoryWindowDialog(HistoryWindow& window, QWidget* parent);
  ~HistoryWindowDialog() override;

  // The logic has read its list anew: the list shows it, its first page chosen.
  void showList();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildContent();
  void buildList();
  // The list anew after a change, with the page at the place of the one chosen before (its
  // group's number and its row there) chosen.
  void showListAt(int group, int row);
  void choose(const QModelIndex& index);
  std::string chosenUrl() const;
  std::vector<std::string> selectedUrls() const;
  void search(const QString& text);
  void openIn(PaneId pane);
  void activate(const QModelIndex& index);
  void deleteSelected();
  void clearRange();
  void updateButtons();
  void announceChosen();

  HistoryWindow& window_;
  HistoryListModel* model_;
  QLineEdit* search_ = nullptr;
  QTreeView* list_ = nullptr;
  QPushButton* openTop_ = nullptr;
  QPushButton* openBottom_ = nullptr;
  QPushButton* delete_ = nullptr;
  QComboBox* range_ = nullptr;
  int focusFilter_ = 0;
};

}  // namespace corvane
