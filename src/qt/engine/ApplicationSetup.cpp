#include "qt/engine/ApplicationSetup.h"

#include <QApplication>
#include <QIcon>
#include <QQuickWindow>
#include <QSGRendererInterface>

#include "base/SkippedFailures.h"
#include "qt/page/PageDialogChannel.h"
#include "qt/platform/AccessibleVisibility.h"
#include "qt/platform/AccessibleWindows.h"
#include "qt/platform/Resources.h"
#include "qt/start/ProgramSetup.h"
#include "qt/start/SkippedFailureLog.h"

namespace corvane {

namespace {

// Pages reach the screen through Qt Quick. Through OpenGL drawn by the CPU that costs far more
// time and memory than drawing them in software, above all in the first moments of the window.
// A choice made in the environment stands.
void choosePageRenderer(bool openGlOnGpu) {
  if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) return;
  QQuickWindow::setGraphicsApi(openGlOnGpu ? QSGRendererInterface::OpenGLRhi
                                           : QSGRendererInterface::Software);
}

// The engine keeps the pages from screen readers on Linux unless told otherwise; read once, when
// it starts. A choice made in the environment stands.
void openPagesToScreenReaders() {
  if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY")) {
    qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
  }
}

}  // namespace

void configureEngine(bool openGlOnGpu) {
  // The engine's library holds a copy of the logic of its own, which the program's sink does not
  // reach. Never deleted: steps of the windows' teardown may still fail late in the run.
  static SkippedFailureLog* const log = new SkippedFailureLog;
  sendSkippedFailuresTo(log);
  // Before the engine starts: a scheme registered later is not one.
  PageDialogChannel::registerScheme();
  openPagesToScreenReaders();
  initResources();
  installWindowAccessibility();
  AccessibleVisibility::install();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  choosePageRenderer(openGlOnGpu);
}

void prepareApplication() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  PageDialogChannel::registerScheme();
}

void configureApplication() {
  configureProgram();
  configureEngine(prepareOpenGlForPages());
}

}  // namespace corvane
