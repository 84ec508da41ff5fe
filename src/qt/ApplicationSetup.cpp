#include "qt/ApplicationSetup.h"

#include <QApplication>
#include <QByteArray>
#include <QIcon>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>

#include "qt/AccessibleWindows.h"
#include "qt/Resources.h"

namespace corvane {

namespace {

// Whether OpenGL here is drawn by the CPU (Mesa's llvmpipe, softpipe or swrast, as on a virtual
// X server or a machine without a graphics driver), or missing.
bool openGlOnCpu() {
  QOpenGLContext context;
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  if (!context.create() || !surface.isValid() || !context.makeCurrent(&surface)) return true;
  const auto* name = context.functions()->glGetString(GL_RENDERER);
  const QByteArray renderer = name ? QByteArray(reinterpret_cast<const char*>(name)) : QByteArray();
  context.doneCurrent();
  return renderer.contains("llvmpipe") || renderer.contains("softpipe") ||
         renderer.contains("Software Rasterizer");
}

// Pages reach the screen through Qt Quick. Through OpenGL drawn by the CPU that costs far more
// time and memory than drawing them in software, above all in the first moments of the window.
// A choice made in the environment stands.
void choosePageRenderer() {
  if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) return;
  if (openGlOnCpu()) QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

}  // namespace

void prepareApplication() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

void configureApplication() {
  QApplication::setApplicationName(QStringLiteral("corvane"));
  initResources();
  installWindowAccessibility();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  QApplication::setDesktopFileName(QStringLiteral("corvane"));
  choosePageRenderer();
}

}  // namespace corvane
