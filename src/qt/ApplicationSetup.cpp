#include "qt/ApplicationSetup.h"

#include <QApplication>
#include <QIcon>

#include "qt/Resources.h"

namespace corvane {

void prepareApplication() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

void configureApplication() {
  QApplication::setApplicationName(QStringLiteral("corvane"));
  initResources();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  QApplication::setDesktopFileName(QStringLiteral("corvane"));
}

}  // namespace corvane
