#include <QApplication>

#include "qt/ApplicationSetup.h"
#include "qt/ProgramFolders.h"
#include "qt/frmSplash.h"

int main(int argc, char* argv[]) {
  corvane::prepareApplication();
  QApplication app(argc, argv);
  corvane::configureApplication();

  corvane::frmSplash splash(corvane::ProgramFolders::forRunningProgram());
  splash.show();
  return QApplication::exec();
}
