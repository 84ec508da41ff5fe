#include <QApplication>

#include "platform/qt/ApplicationSetup.h"
#include "platform/qt/ProgramFolders.h"
#include "platform/qt/frmSplash.h"

int main(int argc, char* argv[]) {
  corvane::prepareApplication();
  QApplication app(argc, argv);
  corvane::configureApplication();

  corvane::frmSplash splash(corvane::ProgramFolders::forRunningProgram());
  splash.show();
  return QApplication::exec();
}
