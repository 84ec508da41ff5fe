#include "TestProgram.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <utility>

#include "qt/pane/PaneBrowser.h"
#include "qt/window/MainWindowHost.h"
#include "qt/window/frmbrowser.h"

TestProgram::TestProgram() {
  QDir root(dir_.path());
  root.mkpath(QStringLiteral("program"));
  folders_.program = root.filePath(QStringLiteral("program"));
  folders_.userConfig = root.filePath(QStringLiteral("config"));
  folders_.userData = root.filePath(QStringLiteral("data"));
  folders_.userCache = root.filePath(QStringLiteral("cache"));
  for (const char* name : {"cv.html", "CVguide.html", "TIPOFDAY.TXT"}) {
    const QString file = QString::fromLatin1(name);
    QFile::copy(QStringLiteral(CORVANE_RESOURCES_DIR "/") + file, filePath(file));
  }
}

TestProgram::~TestProgram() = default;

QString TestProgram::filePath(const QString& name) const {
  return QDir(folders_.program).filePath(name);
}

corvane::frmSplash* TestProgram::splash() {
  if (!splash_)
    splash_ = std::make_unique<corvane::frmSplash>(folders_, corvane::inProcessHost(folders_));
  return splash_.get();
}

corvane::frmbrowser* TestProgram::startMainWindow() {
  splash()->StartMainWindow();
  return splash_->mainWindow();
}

QComboBox* TestProgram::box(const QWidget* window, int n) {
  return window->findChild<QComboBox*>(QStringLiteral("cboAddress%1").arg(n));
}

QLabel* TestProgram::status(const QWidget* window, int n) {
  return window->findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
}

QWebEngineView* TestProgram::view(const QWidget* window, int n) {
  // The pane's browser holds its pages' views, each named after it: the one it shows.
  const auto* browser =
      window->findChild<corvane::PaneBrowser*>(QStringLiteral("brwWebBrowser%1").arg(n));
  return browser ? browser->shownView() : nullptr;
}

bool TestProgram::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
  // A real event loop, not QTest::qWaitFor: the engine's browser side runs its tasks on this
  // thread, and qWaitFor's sleeps between rounds would slow every load down by seconds.
  if (condition()) return true;
  // What held when the loop was told to end counts: events still handled on the way out (a
  // status poll tick, say) may change it again.
  bool met = false;
  QEventLoop loop;
  QTimer poll;
  QTimer deadline;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (!met && condition()) {
      met = true;
      poll.stop();
      loop.quit();
    }
  });
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  poll.start(5);
  deadline.setSingleShot(true);
  deadline.start(timeoutMs);
  loop.exec();
  return met || condition();
}

bool TestProgram::waitForHomePages(const QWidget* window) const {
  for (const auto& [n, page] : {std::pair(1, "cv.html"), std::pair(2, "CVguide.html")}) {
    const QString home = QUrl::fromLocalFile(filePath(QString::fromLatin1(page))).toString();
    if (!waitForPage(status(window, n), box(window, n), home)) return false;
  }
  return true;
}

bool TestProgram::waitForPage(QLabel* status, QComboBox* box, const QString& address,
                              int timeoutMs) {
  return waitUntil(
      [&] {
        return box->currentText() == address &&
               status->text().startsWith(QStringLiteral("Page Title: "));
      },
      timeoutMs);
}
