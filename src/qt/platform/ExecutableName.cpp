#include "qt/platform/ExecutableName.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace corvane {

QString executableName() { return QFileInfo(QCoreApplication::applicationFilePath()).fileName(); }

}  // namespace corvane
