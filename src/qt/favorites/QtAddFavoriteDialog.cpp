#include "qt/favorites/QtAddFavoriteDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <map>

#include "favorites/NewFolderPath.h"
#include "qt/favorites/FavoritesIcons.h"

namespace corvane {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString toQ(const std::string& s) { return QString::fromStdString(s); }

QString pathOf(const QTreeWidgetItem* item) { return item->data(0, kPathRole).toString(); }

QTreeWidgetItem* folderItem(const QString& name, const QString& path) {
  auto* item = new QTreeWidgetItem(QStringList(name));
  item->setData(0, kPathRole, path);
  item->setIcon(0, FavoritesIcons::closedFolder());
  return item;
}

// The folders as a tree under the Favorites folder; returns the item of `selected`.
QTreeWidgetItem* fillFolders(QTreeWidget* tree, const AddFavoriteRequest& request) {
  auto* top = folderItem(QObject::tr("Favorites"), QString());
  tree->addTopLevelItem(top);
  std::map<std::string, QTreeWidgetItem*> byPath{{"", top}};
  QTreeWidgetItem* selected = top;
  for (const FolderChoice& folder : request.folders) {
    const std::string& path = folder.path;
    if (path.empty()) continue;
    const std::size_t slash = path.rfind('/');
    const std::string parent = slash == std::string::npos ? "" : path.substr(0, slash);
    const auto it = byPath.find(parent);
    QTreeWidgetItem* parentItem = it == byPath.end() ? top : it->second;
    auto* item = folderItem(toQ(folder.name), toQ(path));
    parentItem->addChild(item);
    byPath[path] = item;
    if (path == request.folder) selected = item;
  }
  // Only what holds something opens: a screen reader says "expanded" of any item set open.
  for (QTreeWidgetItemIterator it(tree); *it; ++it) (*it)->setExpanded((*it)->childCount() > 0);
  return selected;
}

}  // namespace

std::optional<AddFavoriteChoice> QtAddFavoriteDialog::AddFavorite(
    const AddFavoriteRequest& request) {
  QDialog dialog(parent_);
  dialog.setObjectName(QStringLiteral("frmAddFavorite"));
  dialog.setWindowTitle(QObject::tr("Add Favorite"));

  auto* intro = new QLabel(QObject::tr("Corvane will add this page to your favorites:"), &dialog);
  // Why the name is not the one typed; said before anything is saved.
  auto* notice = new QLabel(toQ(request.notice), &dialog);
  notice->setObjectName(QStringLiteral("lblNotice"));
  notice->setWordWrap(true);
  notice->setVisible(!request.notice.empty());
  auto* address = new QLineEdit(toQ(request.address), &dialog);
  address->setObjectName(QStringLiteral("txtAddress"));
  address->setReadOnly(true);
  address->setAccessibleName(QObject::tr("Page address"));
  auto* name = new QLineEdit(toQ(request.name), &dialog);
  name->setObjectName(QStringLiteral("txtName"));
  name->setAccessibleName(QObject::tr("Favorite name"));
  auto* folders = new QTreeWidget(&dialog);
  folders->setObjectName(QStringLiteral("tvwFolders"));
  folders->setAccessibleName(QObject::tr("Create in"));
  folders->setHeaderHidden(true);
  folders->setCurrentItem(fillFolders(folders, request));
  auto* newFolder = new QPushButton(QObject::tr("&New Folder..."), &dialog);
  newFolder->setObjectName(QStringLiteral("cmdNewFolder"));
  newFolder->setAutoDefault(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);

  auto* form = new QFormLayout;
  form->addRow(QObject::tr("&Name:"), name);
  form->addRow(QObject::tr("Address:"), address);
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folders, 1);
  folderRow->addWidget(newFolder, 0, Qt::AlignTop);
  // A label of its own: a row holding a layout gets no buddy for its mnemonic.
  auto* createIn = new QLabel(QObject::tr("Create &in:"), &dialog);
  createIn->setBuddy(folders);
  form->addRow(createIn, folderRow);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(intro);
  layout->addWidget(notice);
  layout->addLayout(form);
  layout->addWidget(buttons);
  dialog.resize(dialog.sizeHint().expandedTo(QSize(460, 340)));

  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(name, &QLineEdit::textChanged, &dialog, [buttons](const QString& text) {
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
  });
  QObject::connect(newFolder, &QPushButton::clicked, &dialog, [&dialog, folders] {
    QTreeWidgetItem* parent = folders->currentItem();
    if (!parent) parent = folders->topLevelItem(0);
    bool ok = false;
    const QString typed =
        QInputDialog::getText(&dialog, QObject::tr("New Folder"), QObject::tr("Folder name:"),
                              QLineEdit::Normal, QObject::tr("New Folder"), &ok);
    if (!ok) return;
    const std::optional<NewFolder> made =
        NewFolderPath(pathOf(parent).toStdString(), typed.toStdString());
    if (!made) {
      QMessageBox::warning(&dialog, QObject::tr("New Folder"),
                           QObject::tr("A folder name can't be empty."));
      return;
    }
    if (!made->notice.empty()) {
      QMessageBox::information(&dialog, QObject::tr("New Folder"), toQ(made->notice));
    }
    // Created on disk only when the favorite is added.
    auto* item = folderItem(toQ(made->folder.name), toQ(made->folder.path));
    parent->addChild(item);
    parent->setExpanded(true);
    folders->setCurrentItem(item);
  });

  name->selectAll();
  name->setFocus();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QTreeWidgetItem* folder = folders->currentItem();
  return AddFavoriteChoice{name->text().toStdString(),
                           folder ? pathOf(folder).toStdString() : std::string()};
}

}  // namespace corvane
