#include "qt/pane/PaneBrowser.h"

#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "qt/pane/PageTabStrip.h"

namespace corvane {

namespace {

QWebEngineView* viewIn(const QWidget* holder) {
  return holder ? holder->findChild<QWebEngineView*>(QString(), Qt::FindDirectChildrenOnly)
                : nullptr;
}

}  // namespace

PaneBrowser::PaneBrowser(const QString& objectName, const QString& paneName, QWidget* parent)
    : QWidget(parent),
      paneName_(paneName),
      strip_(new PageTabStrip(objectName + QStringLiteral("Pages"), paneName, this)),
      pages_(new QStackedWidget(this)) {
  setObjectName(objectName);
  setAccessibleName(tr("%1 browser").arg(paneName));
  pages_->setObjectName(objectName + QStringLiteral("Stack"));
  pages_->setAccessibleName(tr("%1 pages").arg(paneName));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(strip_);
  column->addWidget(pages_, 1);
}

QWebEngineView* PaneBrowser::shownView() const { return viewIn(pages_->currentWidget()); }

QList<QWebEngineView*> PaneBrowser::views() const {
  QList<QWebEngineView*> views;
  for (int i = 0; i < pages_->count(); ++i) {
    if (QWebEngineView* view = viewIn(pages_->widget(i))) views << view;
  }
  return views;
}

}  // namespace corvane
