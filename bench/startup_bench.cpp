// Corvane's start-up as the user sees it: from the splash closing to both panes showing their
// offline home pages, and the memory of the whole process tree once they have.
//
// Prints one line: corvane load_ms=<ms> pss_kb=<kB> uss_kb=<kB> procs=<n> window_ms=<ms>
// where window_ms is the part of load_ms until the main window had run its load sequence.
// BENCH_VERBOSE=1 adds a timeline and the memory of each process on stderr.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "BenchSupport.h"
#include "qt/engine/ApplicationSetup.h"
#include "qt/start/ProgramFolders.h"
#include "qt/start/frmSplash.h"
#include "qt/window/MainWindowHost.h"
#include "qt/window/frmbrowser.h"

namespace {

constexpr int kTimeoutMs = 60000;

QElapsedTimer sinceStart;

double nowMs() { return double(sinceStart.nsecsElapsed()) / 1e6; }

void note(const char* what) {
  if (bench::verbose()) std::fprintf(stderr, "%9.1f ms  %s\n", nowMs(), what);
}

// Notes when the splash goes away: the close comes first, the hide follows it.
class SplashWatcher : public QObject {
 public:
  using QObject::QObject;
  double closedAt = -1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (closedAt < 0 && (event->type() == QEvent::Close || event->type() == QEvent::Hide)) {
      note("splash closes");
      // What the warm-up left running: the engine's helpers, and no renderer of its own. Listed
      // before the clock starts, so that the listing does not count.
      if (bench::verbose()) bench::treeMemory(getpid(), true);
      closedAt = nowMs();
    }
    return QObject::eventFilter(watched, event);
  }
};

struct PaneLoad {
  const char* name;
  QUrl expected;
  QString title;
  double finishedAt = -1;
};

bool writeIni(const QString& path, const bench::TestPages& pages) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QString ini = QStringLiteral(
                          "[TBstart]\n1=http://www.example.com/\n"
                          "[TBstartOffLine]\n1=%1\n"
                          "[BBstart]\n1=http://www.example.com/news.html\n"
                          "[BBstartOffLine]\n1=%2\n")
                          .arg(pages.top, pages.bottom);
  return file.write(ini.toUtf8()) > 0;
}

int fail(const char* why) {
  std::fprintf(stderr, "startup_bench: %s\n", why);
  return 1;
}

int run(int argc, char* argv[], QString& scratch) {
  // As the program's main() does.
  corvane::prepareApplication();
  QApplication app(argc, argv);
  corvane::configureApplication();

  // A fresh program folder and fresh user folders every run: the engine's profile starts cold.
  QTemporaryDir root;
  if (!root.isValid()) return fail("no temp folder");
  root.setAutoRemove(false);
  scratch = root.path();
  const QDir rootDir(root.path());
  rootDir.mkpath(QStringLiteral("program"));
  corvane::ProgramFolders folders;
  folders.program = rootDir.filePath(QStringLiteral("program"));
  folders.userConfig = rootDir.filePath(QStringLiteral("config"));
  folders.userData = rootDir.filePath(QStringLiteral("data"));
  folders.userCache = rootDir.filePath(QStringLiteral("cache"));
  const bench::TestPages pages = bench::writeTestPages(folders.program);
  if (pages.top.isEmpty()) return fail("cannot write the test pages");
  if (!writeIni(QDir(folders.program).filePath(QStringLiteral("cv.ini")), pages)) {
    return fail("cannot write cv.ini");
  }

  PaneLoad loads[] = {{"top pane loaded", QUrl::fromLocalFile(pages.top), pages.topTitle},
                      {"bottom pane loaded", QUrl::fromLocalFile(pages.bottom), pages.bottomTitle}};
  // Until a figure is printed, whatever ends the run ends it in failure.
  int exitCode = 1;
  auto finish = [&](int code, const char* why) {
    if (why) std::fprintf(stderr, "startup_bench: %s\n", why);
    exitCode = code;
    QApplication::exit(code);
  };

  double windowLoadedAt = -1;
  note("creating the splash");
  auto splash = std::make_unique<corvane::frmSplash>(folders, corvane::inProcessHost(folders));
  SplashWatcher watcher;
  splash->installEventFilter(&watcher);

  QObject::connect(splash.get(), &corvane::frmSplash::mainWindowLoaded, &app, [&] {
    windowLoadedAt = nowMs();
    note("main window loaded");
    corvane::frmbrowser* window = splash->mainWindow();
    if (!window) return finish(1, "no main window");
    const char* names[] = {"brwWebBrowser1", "brwWebBrowser2"};
    for (int i = 0; i < 2; ++i) {
      auto* view = window->findChild<QWebEngineView*>(QString::fromLatin1(names[i]));
      if (!view) return finish(1, "a pane's view is missing");
      PaneLoad* load = &loads[i];
      QObject::connect(view, &QWebEngineView::loadFinished, &app, [&, view, load](bool ok) {
        if (load->finishedAt >= 0 || view->url() != load->expected) return;
        if (!ok) return finish(1, "a home page failed to load");
        load->finishedAt = nowMs();
        note(load->name);
        if (view->title() != load->title) {
          std::fprintf(stderr, "startup_bench: unexpected title \"%s\"\n",
                       qPrintable(view->title()));
        }
        if (loads[0].finishedAt < 0 || loads[1].finishedAt < 0) return;
        if (watcher.closedAt < 0) return finish(1, "the panes loaded before the splash closed");
        const double loadMs = std::max(loads[0].finishedAt, loads[1].finishedAt) - watcher.closedAt;
        const double windowMs = windowLoadedAt - watcher.closedAt;
        QTimer::singleShot(bench::settleMs(), &app, [&, loadMs, windowMs] {
          const bench::TreeMemory memory = bench::treeMemory(getpid(), bench::verbose());
          std::printf("corvane load_ms=%.1f pss_kb=%lld uss_kb=%lld procs=%d window_ms=%.1f\n",
                      loadMs, memory.pssKb, memory.ussKb, memory.processes, windowMs);
          std::fflush(stdout);
          finish(0, nullptr);
        });
      });
    }
  });
  QTimer::singleShot(kTimeoutMs, &app, [&] { finish(1, "timed out"); });

  splash->show();
  note("splash shown");
  QApplication::exec();
  splash.reset();
  return exitCode;
}

}  // namespace

int main(int argc, char* argv[]) {
  sinceStart.start();
  QString scratch;
  const int code = run(argc, argv, scratch);
  // The engine writes into its profile until it has shut down with the application.
  if (!scratch.isEmpty()) QDir(scratch).removeRecursively();
  return code;
}
