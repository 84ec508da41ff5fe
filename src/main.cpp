#include <QApplication>
#include <QIcon>

#include "platform/qt/ProgramFolders.h"
#include "platform/qt/Resources.h"
#include "platform/qt/frmSplash.h"

int main(int argc, char* argv[]) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("corvane"));
  corvane::initResources();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  QApplication::setDesktopFileName(QStringLiteral("corvane"));

  corvane::frmSplash splash(corvane::ProgramFolders::forRunningProgram());
  splash.show();
  return QApplication::exec();
}
