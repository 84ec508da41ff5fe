#include "qt/pane/PaneToolbar.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>

#include <stdexcept>

namespace corvane {

namespace {

struct ToolbarButton {
  const char* key;
  const char* tooltip;
  // The desktop theme's icon, if it has one.
  const char* themeIcon;
  // Corvane's own, so that a bare system shows icons too.
  const char* ownIcon;
};

const ToolbarButton kButtons[] = {
    {"Back", "Back", "go-previous", ":/icons/go-previous.svg"},
    {"Forward", "Forward", "go-next", ":/icons/go-next.svg"},
    {"Stop", "Stop", "process-stop", ":/icons/process-stop.svg"},
    {"Refresh", "Refresh", "view-refresh", ":/icons/view-refresh.svg"},
    {"Home", "Online Home", "go-home", ":/icons/go-home.svg"},
    {"Fav", "Favorites", "user-bookmarks", ":/icons/bookmarks.svg"},
    {"Search", "Corvane Streaming News and Search", "system-search", ":/icons/system-search.svg"},
    {"Chat", "Corvane  Chat", "internet-group-chat", ":/icons/internet-chat.svg"},
};

constexpr int kIconSize = 16;

}  // namespace

PaneToolbar::PaneToolbar(const QString& objectName, const QString& accessibleName,
                         const QString& paneName, QWidget* parent)
    : QWidget(parent) {
  setObjectName(objectName);
  setAccessibleName(accessibleName);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(1);
  for (const ToolbarButton& b : kButtons) {
    const QString key = QString::fromLatin1(b.key);
    const QIcon icon =
        QIcon::fromTheme(QString::fromLatin1(b.themeIcon), QIcon(QString::fromLatin1(b.ownIcon)));
    auto* tool = new QToolButton(this);
    tool->setObjectName(objectName + QLatin1Char('_') + key);
    tool->setIcon(icon);
    tool->setIconSize(QSize(kIconSize, kIconSize));
    tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tool->setToolTip(QString::fromLatin1(b.tooltip));
    tool->setAccessibleName(QString::fromLatin1(b.tooltip).simplified());
    // Both toolbars have the same buttons; a screen reader also says whose they are.
    tool->setAccessibleDescription(paneName);
    tool->setAutoRaise(false);
    tool->setFocusPolicy(Qt::TabFocus);
    connect(tool, &QToolButton::clicked, this, [this, key] { Q_EMIT buttonClick(key); });
    row->addWidget(tool);
    buttons_.append(tool);
  }
  row->addStretch(1);
}

int PaneToolbar::ButtonCount() const { return static_cast<int>(buttons_.size()); }

QToolButton* PaneToolbar::button(int position) const {
  if (position < 1 || position > buttons_.size()) return nullptr;
  return buttons_.at(position - 1);
}

std::string PaneToolbar::ButtonKey(int position) const {
  return position >= 1 && position <= ButtonCount() ? kButtons[position - 1].key : "";
}

bool PaneToolbar::ButtonEnabled(int position) const {
  const QToolButton* b = button(position);
  return b && b->isEnabled();
}

void PaneToolbar::SetButtonEnabled(int position, bool enabled) {
  QToolButton* b = button(position);
  if (!b) throw std::out_of_range("no such toolbar button");
  b->setEnabled(enabled);
}

void PaneToolbar::ToggleFlat() {
  for (QToolButton* b : buttons_) b->setAutoRaise(!b->autoRaise());
}

void PaneToolbar::Refresh() { repaint(); }

}  // namespace corvane
