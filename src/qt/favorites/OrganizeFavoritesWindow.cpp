#include "qt/favorites/OrganizeFavoritesWindow.h"

#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <map>

#include "qt/favorites/FavoritesIcons.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;

QString toQ(const std::string& s) { return QString::fromStdString(s); }

QTreeWidgetItem* makeItem(const FavoriteEntry& entry, const fs::path& select,
                          QTreeWidgetItem*& selected) {
  auto* item = new QTreeWidgetItem(QStringList(toQ(entry.name)));
  item->setData(0, kPathRole, toQ(entry.path.string()));
  item->setData(0, kFolderRole, entry.folder);
  item->setIcon(0, entry.folder ? FavoritesIcons::closedFolder() : FavoritesIcons::link());
  if (entry.path == select) selected = item;
  for (const FavoriteEntry& child : entry.children)
    item->addChild(makeItem(child, select, selected));
  return item;
}

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

OrganizeFavoritesWindow::OrganizeFavoritesWindow(FavoritesOrganizer& organizer, QWidget* parent)
    : QDialog(parent), organizer_(organizer), tree_(new QTreeWidget(this)) {
  setObjectName(QStringLiteral("frmOrganizeFavorites"));
  setWindowTitle(tr("Organize Favorites"));
  tree_->setObjectName(QStringLiteral("tvwOrganize"));
  tree_->setAccessibleName(tr("Favorites"));
  tree_->setHeaderHidden(true);
  auto* create = makeButton(tr("&Create Folder..."), "cmdCreateFolder", this);
  rename_ = makeButton(tr("&Rename..."), "cmdRename", this);
  move_ = makeButton(tr("&Move to Folder..."), "cmdMove", this);
  delete_ = makeButton(tr("&Delete"), "cmdDelete", this);
  auto* close = makeButton(tr("Close"), "cmdClose", this);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {create, rename_, move_, delete_}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(tree_, 1);
  layout->addLayout(buttons);
  resize(520, 380);

  connect(create, &QPushButton::clicked, this, &OrganizeFavoritesWindow::createFolder);
  connect(rename_, &QPushButton::clicked, this, &OrganizeFavoritesWindow::rename);
  connect(move_, &QPushButton::clicked, this, &OrganizeFavoritesWindow::moveToFolder);
  connect(delete_, &QPushButton::clicked, this, &OrganizeFavoritesWindow::remove);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });
  refresh({});
}

void OrganizeFavoritesWindow::refresh(const fs::path& select) {
  tree_->clear();
  QTreeWidgetItem* selected = nullptr;
  const FavoriteEntry top = organizer_.Tree();
  for (const FavoriteEntry& entry : top.children) {
    tree_->addTopLevelItem(makeItem(entry, select, selected));
  }
  // Only what holds something opens: a screen reader says "expanded" of any item set open.
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) (*it)->setExpanded((*it)->childCount() > 0);
  if (!selected) selected = tree_->topLevelItem(0);
  tree_->setCurrentItem(selected);
  updateButtons();
}

void OrganizeFavoritesWindow::updateButtons() {
  const bool any = tree_->currentItem() != nullptr;
  for (QPushButton* b : {rename_, move_, delete_}) b->setEnabled(any);
}

fs::path OrganizeFavoritesWindow::selectedPath() const {
  const QTreeWidgetItem* item = tree_->currentItem();
  return item ? fs::path(item->data(0, kPathRole).toString().toStdString()) : fs::path();
}

fs::path OrganizeFavoritesWindow::selectedFolder() const {
  const QTreeWidgetItem* item = tree_->currentItem();
  if (!item) return organizer_.root();
  if (item->data(0, kFolderRole).toBool()) return selectedPath();
  return selectedPath().parent_path();
}

bool OrganizeFavoritesWindow::keepsShortened(const std::optional<std::string>& kept) {
  if (!kept) return true;
  const QString question =
      tr("The name is too long for a file name. Shortened to fit, it is:\n\n%1\n\nKeep it?")
          .arg(toQ(*kept));
  return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
}

bool OrganizeFavoritesWindow::shown(const OrganizeResult& result) {
  if (result.ok()) return true;
  QMessageBox::warning(this, windowTitle(), toQ(result.message));
  return false;
}

void OrganizeFavoritesWindow::createFolder() {
  bool ok = false;
  const QString name = QInputDialog::getText(this, tr("Create Folder"), tr("Folder name:"),
                                             QLineEdit::Normal, tr("New Folder"), &ok);
  if (!ok || name.trimmed().isEmpty()) return;
  if (!keepsShortened(FavoritesOrganizer::ShortenedFolderName(name.toStdString()))) return;
  const OrganizeResult result = organizer_.NewFolder(selectedFolder(), name.toStdString());
  if (shown(result)) refresh(result.path);
}

void OrganizeFavoritesWindow::rename() {
  const QTreeWidgetItem* item = tree_->currentItem();
  if (!item) return;
  bool ok = false;
  const QString name = QInputDialog::getText(this, tr("Rename"), tr("New name:"), QLineEdit::Normal,
                                             item->text(0), &ok);
  if (!ok || name.trimmed().isEmpty() || name == item->text(0)) return;
  if (!keepsShortened(organizer_.ShortenedRename(selectedPath(), name.toStdString()))) return;
  const OrganizeResult result = organizer_.Rename(selectedPath(), name.toStdString());
  if (shown(result)) refresh(result.path);
}

void OrganizeFavoritesWindow::moveToFolder() {
  const fs::path item = selectedPath();
  if (item.empty()) return;
  QStringList choices;
  const std::vector<FolderChoice> folders = organizer_.Folders();
  // Each folder by the names the tree shows on the way to it; parents come first.
  std::map<std::string, QString> labels;
  for (const FolderChoice& folder : folders) {
    const std::size_t slash = folder.path.rfind('/');
    const std::string parent = slash == std::string::npos ? "" : folder.path.substr(0, slash);
    labels[folder.path] = folder.path.empty()
                              ? tr("Favorites")
                              : labels[parent] + QLatin1Char('/') + toQ(folder.name);
    choices << labels[folder.path];
  }
  bool ok = false;
  const QString chosen =
      QInputDialog::getItem(this, tr("Move to Folder"), tr("Move into:"), choices, 0, false, &ok);
  if (!ok) return;
  const auto index = static_cast<std::size_t>(choices.indexOf(chosen));
  if (index >= folders.size()) return;
  const fs::path into =
      folders[index].path.empty() ? organizer_.root() : organizer_.root() / folders[index].path;
  const OrganizeResult result = organizer_.Move(item, into);
  if (shown(result)) refresh(result.path);
}

void OrganizeFavoritesWindow::remove() {
  const QTreeWidgetItem* item = tree_->currentItem();
  if (!item) return;
  const QString name = item->text(0);
  if (QMessageBox::question(this, windowTitle(), tr("Move \"%1\" to the trash?").arg(name)) !=
      QMessageBox::Yes) {
    return;
  }
  OrganizeResult result = organizer_.Delete(selectedPath(), false);
  if (result.status == OrganizeResult::Status::NoTrash) {
    const QString question =
        tr("\"%1\" could not be moved to the trash. Delete it for good?").arg(name);
    if (QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
      return;
    }
    result = organizer_.Delete(selectedPath(), true);
  }
  if (shown(result)) refresh(selectedPath().parent_path());
}

void OrganizeFavoritesWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F2) {
    rename();
  } else if (event->key() == Qt::Key_Delete) {
    remove();
  } else {
    QDialog::keyPressEvent(event);
  }
}

}  // namespace corvane
