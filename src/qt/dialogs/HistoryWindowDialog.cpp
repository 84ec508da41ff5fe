#include "qt/dialogs/HistoryWindowDialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

#include "dialogs/HistoryWindow.h"
#include "qt/dialogs/HistoryListModel.h"
#include "qt/platform/AccessibleEvents.h"
#include "qt/platform/AccessibleWindows.h"
#include "qt/platform/QtMessageBox.h"

namespace corvane {

namespace {

constexpr int kWidth = 680;
constexpr int kHeight = 480;

struct RangeChoice {
  const char* caption;
  History::Range range;
  const char* question;
};

// Ordered from the least lost to the most, the first chosen at the start.
const RangeChoice kRanges[] = {
    {QT_TRANSLATE_NOOP("corvane::HistoryWindowDialog", "Last hour"), History::Range::LastHour,
     QT_TRANSLATE_NOOP("corvane::HistoryWindowDialog",
                       "Remove the pages visited in the last hour from the history?")},
    {QT_TRANSLATE_NOOP("corvane::HistoryWindowDialog", "Today"), History::Range::Today,
     QT_TRANSLATE_NOOP("corvane::HistoryWindowDialog",
                       "Remove the pages visited today from the history?")},
    {QT_TRANSLATE_NOOP("corvane::HistoryWindowDialog", "Everything"), History::Range::Everything,
     QT_TRANSLATE_NOOP("corvane::HistoryWindowDialog", "Remove every page from the history?")},
};

QPushButton* makeButton(const QString& caption, const QString& name, const char* objectName,
                        QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAccessibleName(name);
  // Enter belongs to the list and the search box: it opens the chosen page.
  button->setAutoDefault(false);
  return button;
}

bool isEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

HistoryWindowDialog::HistoryWindowDialog(HistoryWindow& window, QWidget* parent)
    : QDialog(parent), window_(window), model_(new HistoryListModel(window, this)) {
  setObjectName(QStringLiteral("frmHistory"));
  setWindowTitle(tr("History"));
  setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  setAttribute(Qt::WA_DeleteOnClose);
  // The program ends with its main window, whether this one is open or not.
  setAttribute(Qt::WA_QuitOnClose, false);
  buildContent();
  resize(kWidth, kHeight);
  // Opened anew, the window lists every page, whatever its last search was.
  if (!window_.SearchText().empty()) window_.Search("");
  showList();
  // The list tells screen readers of its new current page even while the keys are in the
  // search box: each letter typed would move the reader into the list, and Down into it would
  // then say no more than the title.
  focusFilter_ = AccessibleEvents::addFilter([this](QAccessibleEvent* event) {
    return event->type() != QAccessible::Focus || event->object() != list_ || list_->hasFocus();
  });
}

HistoryWindowDialog::~HistoryWindowDialog() { AccessibleEvents::remove(focusFilter_); }

void HistoryWindowDialog::buildList() {
  list_ = new QTreeView(this);
  list_->setObjectName(QStringLiteral("tvwHistory"));
  list_->setAccessibleName(tr("Visited pages"));
  list_->setModel(model_);
  // Rows of one height let the view place 100,000 of them without measuring each.
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->header()->setAccessibleName(tr("Columns"));
  list_->header()->setStretchLastSection(true);
  list_->setColumnWidth(HistoryListModel::kTitle, kWidth / 2);
  nameScrollParts(list_);
  list_->installEventFilter(this);
}

void HistoryWindowDialog::buildContent() {
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("txtSearch"));
  search_->setAccessibleName(tr("Search history"));
  search_->setPlaceholderText(tr("Words of the title or address"));
  search_->installEventFilter(this);
  auto* searchLabel = new QLabel(tr("&Search:"), this);
  searchLabel->setBuddy(search_);
  buildList();

  openTop_ = makeButton(tr("Open in &Top Pane"), tr("Open in Top Pane"), "cmdOpenTop", this);
  openBottom_ =
      makeButton(tr("Open in &Bottom Pane"), tr("Open in Bottom Pane"), "cmdOpenBottom", this);
  delete_ = makeButton(tr("&Delete"), tr("Delete"), "cmdDelete", this);
  range_ = new QComboBox(this);
  range_->setObjectName(QStringLiteral("cboClearRange"));
  range_->setAccessibleName(tr("Visits to clear"));
  range_->view()->setAccessibleName(tr("Ranges"));
  for (const RangeChoice& choice : kRanges) range_->addItem(tr(choice.caption));
  auto* rangeLabel = new QLabel(tr("Clear &visits of:"), this);
  rangeLabel->setBuddy(range_);
  auto* clear = makeButton(tr("C&lear"), tr("Clear"), "cmdClear", this);
  auto* close = makeButton(tr("Close"), tr("Close"), "cmdClose", this);

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(searchLabel);
  searchRow->addWidget(search_, 1);
  auto* openRow = new QHBoxLayout;
  for (QPushButton* button : {openTop_, openBottom_, delete_}) openRow->addWidget(button);
  openRow->addStretch(1);
  auto* clearRow = new QHBoxLayout;
  clearRow->addWidget(rangeLabel);
  clearRow->addWidget(range_);
  clearRow->addWidget(clear);
  clearRow->addStretch(1);
  clearRow->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(searchRow);
  layout->addWidget(list_, 1);
  layout->addLayout(openRow);
  layout->addLayout(clearRow);

  connect(search_, &QLineEdit::textChanged, this, &HistoryWindowDialog::search);
  connect(list_, &QTreeView::activated, this, &HistoryWindowDialog::activate);
  connect(openTop_, &QPushButton::clicked, this, [this] { openIn(PaneId::Top); });
  connect(openBottom_, &QPushButton::clicked, this, [this] { openIn(PaneId::Bottom); });
  connect(delete_, &QPushButton::clicked, this, &HistoryWindowDialog::deleteSelected);
  connect(clear, &QPushButton::clicked, this, &HistoryWindowDialog::clearRange);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &HistoryWindowDialog::updateButtons);
}

void HistoryWindowDialog::showList() { showListAt(-1, -1); }

void HistoryWindowDialog::showListAt(int group, int row) {
  model_->refresh();
  for (int g = 0; g < model_->rowCount({}); ++g) list_->setFirstColumnSpanned(g, {}, true);
  list_->expandAll();
  // The page now at the place of the one that went, else the last of its group, else the first.
  QModelIndex chosen;
  if (group >= 0 && group < model_->rowCount({})) {
    const QModelIndex heading = model_->index(group, 0, {});
    const int rows = model_->rowCount(heading);
    if (rows > 0) chosen = model_->index(std::min(row, rows - 1), 0, heading);
  }
  if (!chosen.isValid() && model_->rowCount({}) > 0) {
    chosen = model_->index(0, 0, model_->index(0, 0, {}));
  }
  choose(chosen);
}

void HistoryWindowDialog::choose(const QModelIndex& index) {
  if (index.isValid()) {
    list_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(index);
  }
  updateButtons();
}

std::string HistoryWindowDialog::chosenUrl() const { return model_->url(list_->currentIndex()); }

std::vector<std::string> HistoryWindowDialog::selectedUrls() const {
  std::vector<std::string> urls;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) {
    const std::string url = model_->url(index);
    if (!url.empty()) urls.push_back(url);
  }
  if (urls.empty() && !chosenUrl().empty()) urls.push_back(chosenUrl());
  return urls;
}

void HistoryWindowDialog::updateButtons() {
  const bool page = !chosenUrl().empty();
  for (QPushButton* button : {openTop_, openBottom_, delete_}) button->setEnabled(page);
}

void HistoryWindowDialog::search(const QString& text) {
  window_.Search(text.toStdString());
  showList();
}

void HistoryWindowDialog::openIn(PaneId pane) {
  const std::string url = chosenUrl();
  if (!url.empty()) window_.OpenIn(pane, url);
}

void HistoryWindowDialog::activate(const QModelIndex& index) {
  const std::string url = model_->url(index);
  if (!url.empty()) window_.Activate(url);
}

void HistoryWindowDialog::deleteSelected() {
  const std::vector<std::string> urls = selectedUrls();
  if (urls.empty()) return;
  const QModelIndex place = list_->currentIndex();
  const int group = place.parent().row();
  const int row = place.row();
  window_.Delete(urls);
  showListAt(group, row);
}

void HistoryWindowDialog::clearRange() {
  const RangeChoice& choice = kRanges[std::max(0, range_->currentIndex())];
  QtMessageBox messages(this);
  if (messages.MsgBox(tr(choice.question).toStdString(), MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                      windowTitle().toStdString()) != MsgBoxResult::Yes) {
    return;
  }
  window_.Clear(choice.range);
  showList();
}

bool HistoryWindowDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::FocusIn) {
    // After the list has said that it has the focus.
    QMetaObject::invokeMethod(
        this, [this] { announceChosen(); }, Qt::QueuedConnection);
  }
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == list_ && key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
    deleteSelected();
    return true;
  }
  // From the search box, Enter opens the chosen page as in the list, and Down goes into the list.
  if (watched == search_ && isEnter(key)) {
    activate(list_->currentIndex());
    return true;
  }
  if (watched == search_ && key->key() == Qt::Key_Down && key->modifiers() == Qt::NoModifier) {
    list_->setFocus(Qt::TabFocusReason);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void HistoryWindowDialog::announceChosen() {
  // A screen reader speaks the chosen page when the choice moves, not when the list gains the
  // focus: the choice moves off and back, the selection untouched.
  const QPersistentModelIndex chosen(list_->currentIndex());
  if (!chosen.isValid() || !list_->hasFocus()) return;
  QItemSelectionModel* selection = list_->selectionModel();
  selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  selection->setCurrentIndex(chosen, QItemSelectionModel::NoUpdate);
}

}  // namespace corvane
