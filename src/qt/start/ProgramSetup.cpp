#include "qt/start/ProgramSetup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QString>
#include <QSurfaceFormat>

// Exported by Qt GUI; the engine reads it to share its textures with the windows' contexts.
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace corvane {

namespace {

// Whether the context's OpenGL is drawn by the CPU (Mesa's llvmpipe, softpipe or swrast, as on a
// virtual X server or a machine without a graphics driver).
bool drawnByCpu(QOpenGLContext& context) {
  const auto* name = context.functions()->glGetString(GL_RENDERER);
  const QByteArray renderer = name ? QByteArray(reinterpret_cast<const char*>(name)) : QByteArray();
  return renderer.contains("llvmpipe") || renderer.contains("softpipe") ||
         renderer.contains("Software Rasterizer");
}

QtMessageHandler previousHandler = nullptr;

// Qt warns when the sharing is switched on after the application was made; here that is meant.
void withoutLateAttributeWarning(QtMsgType type, const QMessageLogContext& context,
                                 const QString& message) {
  if (message.contains(QLatin1String("AA_ShareOpenGLContexts"))) return;
  if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

void configureProgram() {
  QCoreApplication::setApplicationName(QStringLiteral("corvane"));
  QGuiApplication::setDesktopFileName(QStringLiteral("corvane"));
}

bool prepareOpenGlForPages() {
  // A program that switched sharing on before its start has the shared context already.
  QOpenGLContext* context = qt_gl_global_share_context();
  if (!context) {
    // The engine needs one even where it draws in software. Never deleted: it would outlive
    // the display connection that its deletion needs.
    context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
    previousHandler = qInstallMessageHandler(withoutLateAttributeWarning);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(previousHandler);
  }
  QOffscreenSurface surface;
  surface.setFormat(context->format());
  surface.create();
  if (!context->isValid() || !surface.isValid() || !context->makeCurrent(&surface)) return false;
  const bool onCpu = drawnByCpu(*context);
  context->doneCurrent();
  return !onCpu;
}

}  // namespace corvane
