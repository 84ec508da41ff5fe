#include <QApplication>

#include "base/SkippedFailures.h"
#include "qt/start/EngineLibrary.h"
#include "qt/start/ProgramFolders.h"
#include "qt/start/ProgramSetup.h"
#include "qt/start/SkippedFailureLog.h"
#include "qt/start/frmSplash.h"

// The splash comes first and needs nothing of the web engine; the engine and the main window
// are loaded from their own library once it is on the screen.
int main(int argc, char* argv[]) {
  // Before anything that runs guarded steps, and outliving them all. The engine's library holds
  // its own copy of the logic and sets its own.
  corvane::SkippedFailureLog skippedFailures;
  corvane::sendSkippedFailuresTo(&skippedFailures);
  QApplication app(argc, argv);
  corvane::configureProgram();

  const corvane::ProgramFolders folders = corvane::ProgramFolders::forRunningProgram();
  corvane::frmSplash splash(folders, [&folders] { return corvane::openEngineLibrary(folders); });
  splash.show();
  return QApplication::exec();
}
