#include "qt/pane/PaneNames.h"

#include <QObject>

namespace corvane {

QString paneDigit(PaneId id) {
  return id == PaneId::Top ? QStringLiteral("1") : QStringLiteral("2");
}

QString paneName(PaneId id) {
  return id == PaneId::Top ? QObject::tr("Top") : QObject::tr("Bottom");
}

}  // namespace corvane
