#include "qt/pane/PaneContextMenu.h"

#include <QAction>
#include <QMenu>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineView>

namespace corvane {

PaneContextMenu::PaneContextMenu(QWebEngineView* view, OpenInPane openInPane)
    : QObject(view), view_(view), openInPane_(std::move(openInPane)) {
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
    auto* top = new QAction(tr("Open Link in &Top Pane"), menu);
    auto* bottom = new QAction(tr("Open Link in &Bottom Pane"), menu);
    connect(top, &QAction::triggered, this, [this, address] { openInPane_(true, address); });
    connect(bottom, &QAction::triggered, this, [this, address] { openInPane_(false, address); });
    menu->insertAction(first, top);
    menu->insertAction(first, bottom);
    if (first) menu->insertSeparator(first);
  }
  menu->popup(view_->mapToGlobal(at));
}

}  // namespace corvane
