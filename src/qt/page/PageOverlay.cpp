#include "qt/page/PageOverlay.h"

#include <QList>
#include <QWebEngineView>

namespace corvane {

QWebEngineView* overlaidView(const QWebEnginePage* page) {
  QWebEngineView* view = QWebEngineView::forPage(page);
  return view && view->parentWidget() ? view : nullptr;
}

QWidget* dialogParentOf(const QWebEnginePage* page) {
  QWidget* view = QWebEngineView::forPage(page);
  return view ? view->window() : nullptr;
}

void moveOverlay(QWidget* overlay, QWebEngineView* from, QWebEngineView* to) {
  from->removeEventFilter(overlay);
  const QString oldName = from->objectName();
  const QString newName = to->objectName();
  QList<QObject*> named = overlay->findChildren<QObject*>();
  named.prepend(overlay);
  for (QObject* object : named) {
    if (object->objectName().startsWith(oldName)) {
      object->setObjectName(newName + object->objectName().mid(oldName.size()));
    }
  }
  overlay->setParent(to->parentWidget());
  to->installEventFilter(overlay);
}

}  // namespace corvane
