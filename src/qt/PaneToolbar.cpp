#include "qt/PaneToolbar.h"

#include <QAction>
#include <QStyle>
#include <QToolButton>

namespace corvane {

namespace {
struct ToolbarButton {
  const char* key;
  const char* tooltip;
  const char* themeIcon;
  QStyle::StandardPixmap fallback;
};

const ToolbarButton kButtons[] = {
    {"Back", "Back", "go-previous", QStyle::SP_ArrowBack},
    {"Forward", "Forward", "go-next", QStyle::SP_ArrowForward},
    {"Stop", "Stop", "process-stop", QStyle::SP_BrowserStop},
    {"Refresh", "Refresh", "view-refresh", QStyle::SP_BrowserReload},
    {"Home", "Online Home", "go-home", QStyle::SP_DirHomeIcon},
    {"Fav", "Favorites", "bookmarks", QStyle::SP_DirIcon},
    {"Search", "Corvane Streaming News and Search", "system-search",
     QStyle::SP_FileDialogContentsView},
    {"Chat", "Corvane  Chat", "mail-message-new", QStyle::SP_MessageBoxInformation},
};
}  // namespace

PaneToolbar::PaneToolbar(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : QToolBar(parent) {
  setObjectName(objectName);
  setAccessibleName(accessibleName);
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(16, 16));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const ToolbarButton& b : kButtons) {
    const QString key = QString::fromLatin1(b.key);
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(b.themeIcon));
    if (icon.isNull()) icon = style()->standardIcon(b.fallback);
    QAction* action = addAction(icon, key);
    action->setObjectName(objectName + QLatin1Char('_') + key);
    action->setToolTip(QString::fromLatin1(b.tooltip));
    action->setData(key);
    connect(action, &QAction::triggered, this, [this, key] { Q_EMIT buttonClick(key); });
    if (auto* tool = qobject_cast<QToolButton*>(widgetForAction(action))) {
      tool->setAutoRaise(false);
      tool->setAccessibleName(QString::fromLatin1(b.tooltip).simplified());
    }
    buttons_.append(action);
  }
}

QAction* PaneToolbar::button(int position) const {
  if (position < 1 || position > buttons_.size()) return nullptr;
  return buttons_.at(position - 1);
}

void PaneToolbar::toggleFlat() {
  for (QAction* action : buttons_) {
    if (auto* tool = qobject_cast<QToolButton*>(widgetForAction(action))) {
      tool->setAutoRaise(!tool->autoRaise());
    }
  }
}

}  // namespace corvane
