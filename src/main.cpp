#include <QApplication>

#include "qt/EngineLibrary.h"
#include "qt/ProgramFolders.h"
#include "qt/ProgramSetup.h"
#include "qt/frmSplash.h"

// The splash comes first and needs nothing of the web engine; the engine and the main window
// are loaded from their own library once it is on the screen.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  corvane::configureProgram();

  const corvane::ProgramFolders folders = corvane::ProgramFolders::forRunningProgram();
  corvane::frmSplash splash(folders, [&folders] { return corvane::openEngineLibrary(folders); });
  splash.show();
  return QApplication::exec();
}
