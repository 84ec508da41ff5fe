#include "qt/pane/PaneContextMenu.h"

#include <QAction>
#include <QMenu>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineView>

#include <utility>

#include "qt/pane/PaneNames.h"
#include "qt/pane/PaneSlots.h"

namespace corvane {

PaneContextMenu::PaneContextMenu(QWebEngineView* view, OpenInPane openInPane,
                                 OpenInNewPage openInNewPage, std::function<void()> readerView)
    : QObject(view),
      view_(view),
      openInPane_(std::move(openInPane)),
      openInNewPage_(std::move(openInNewPage)),
      readerView_(std::move(readerView)) {
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_, &QWidget::customContextMenuRequested, this, &PaneContextMenu::show);
}

void PaneContextMenu::show(const QPoint& at) {
  QMenu* menu = view_->createStandardContextMenu();
  menu->setObjectName(QStringLiteral("pageContextMenu"));
  menu->setAccessibleName(tr("Page menu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const QWebEngineContextMenuRequest* request = view_->lastContextMenuRequest();
  const QUrl link = request ? request->linkUrl() : QUrl();
  if (link.isValid() && !link.isEmpty()) {
    const QString address = link.toString();
    QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().constFirst();
    for (PaneId id : kPanes) {
      auto* open = new QAction(tr("Open Link in &%1 Pane").arg(paneName(id)), menu);
      connect(open, &QAction::triggered, this, [this, id, address] { openInPane_(id, address); });
      menu->insertAction(first, open);
    }
    auto* newPage = new QAction(tr("Open Link in New &Page"), menu);
    connect(newPage, &QAction::triggered, this,
            [this, address] { openInNewPage_(view_, address); });
    menu->insertAction(first, newPage);
    if (first) menu->insertSeparator(first);
  }
  menu->addSeparator();
  QAction* reader = menu->addAction(tr("&Reader View"), this, [this] { readerView_(); });
  reader->setShortcut(QKeySequence(Qt::Key_F9));
  reader->setObjectName(QStringLiteral("readerViewAction"));
  menu->popup(view_->mapToGlobal(at));
}

}  // namespace corvane
