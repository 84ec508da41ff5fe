// The yardstick for Corvane's start-up: a bare program with two web views stacked in one window
// and a disk-backed profile, loading the same two pages. Timed from the first line of main() to
// both pages loaded; the memory is that of the whole process tree once they have.
//
// Prints one line: bare load_ms=<ms> pss_kb=<kB> uss_kb=<kB> procs=<n>
// BENCH_VERBOSE=1 adds a timeline and the memory of each process on stderr.
//
// Given two pages (bare_bench TOP BOTTOM) it is just the bare program: it loads them, its
// profile in the user's data and cache folders, and runs until it is ended; whoever started it
// measures it from outside.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "BenchSupport.h"

namespace {

constexpr int kTimeoutMs = 60000;

QElapsedTimer sinceStart;

double nowMs() { return double(sinceStart.nsecsElapsed()) / 1e6; }

void note(const char* what) {
  if (bench::verbose()) std::fprintf(stderr, "%9.1f ms  %s\n", nowMs(), what);
}

QWebEngineProfile* makeProfile(const QString& data, const QString& cache, QObject* parent) {
  // The same kind of profile as Corvane's: named, cookies, cache and storage on disk.
  auto* profile = new QWebEngineProfile(QStringLiteral("bare"), parent);
  profile->setPersistentStoragePath(data);
  profile->setCachePath(cache);
  profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
  profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
  return profile;
}

// Two views stacked in one window of about the size Corvane's takes, shown, then both loaded.
void showTwoViews(QWidget& window, QWebEngineView* const (&views)[2], QWebEngineProfile* profile,
                  const QUrl (&urls)[2]) {
  auto* layout = new QVBoxLayout(&window);
  for (QWebEngineView* view : views) {
    view->setPage(new QWebEnginePage(profile, view));
    layout->addWidget(view);
  }
  QSize size(656, 457);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.expandedTo(screen->availableSize() * 0.8);
  }
  window.resize(size);
  window.show();
  note("window shown");
  views[0]->load(urls[0]);
  views[1]->load(urls[1]);
}

int runBare(QApplication& app, const QString& top, const QString& bottom) {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  QWebEngineProfile* profile = makeProfile(data + QStringLiteral("/bare/webengine"),
                                           cache + QStringLiteral("/bare/webengine"), &app);
  QWidget window;
  QWebEngineView* const views[] = {new QWebEngineView(&window), new QWebEngineView(&window)};
  showTwoViews(window, views, profile,
               {QUrl::fromLocalFile(QFileInfo(top).absoluteFilePath()),
                QUrl::fromLocalFile(QFileInfo(bottom).absoluteFilePath())});
  return QApplication::exec();
}

int run(int argc, char* argv[], QString& scratch) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("bare"));
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() == 3) return runBare(app, arguments.at(1), arguments.at(2));

  QTemporaryDir root;
  if (!root.isValid()) {
    std::fprintf(stderr, "bare_bench: no temp folder\n");
    return 1;
  }
  root.setAutoRemove(false);
  scratch = root.path();
  const QDir rootDir(root.path());
  rootDir.mkpath(QStringLiteral("pages"));
  const bench::TestPages pages = bench::writeTestPages(rootDir.filePath(QStringLiteral("pages")));
  if (pages.top.isEmpty()) {
    std::fprintf(stderr, "bare_bench: cannot write the test pages\n");
    return 1;
  }

  // Until a figure is printed, whatever ends the run ends it in failure.
  int exitCode = 1;
  {
    QWebEngineProfile* profile =
        makeProfile(rootDir.filePath(QStringLiteral("data/webengine")),
                    rootDir.filePath(QStringLiteral("cache/webengine")), &app);
    QWidget window;
    QWebEngineView* const views[] = {new QWebEngineView(&window), new QWebEngineView(&window)};
    const QUrl urls[] = {QUrl::fromLocalFile(pages.top), QUrl::fromLocalFile(pages.bottom)};
    const QString titles[] = {pages.topTitle, pages.bottomTitle};
    double finishedAt[] = {-1, -1};
    auto finish = [&](int code, const char* why) {
      if (why) std::fprintf(stderr, "bare_bench: %s\n", why);
      exitCode = code;
      QApplication::exit(code);
    };

    for (int i = 0; i < 2; ++i) {
      QWebEngineView* view = views[i];
      QObject::connect(view, &QWebEngineView::loadFinished, &app, [&, i, view](bool ok) {
        if (finishedAt[i] >= 0 || view->url() != urls[i]) return;
        if (!ok) return finish(1, "a page failed to load");
        finishedAt[i] = nowMs();
        note(i == 0 ? "top view loaded" : "bottom view loaded");
        if (view->title() != titles[i]) {
          std::fprintf(stderr, "bare_bench: unexpected title \"%s\"\n", qPrintable(view->title()));
        }
        if (finishedAt[0] < 0 || finishedAt[1] < 0) return;
        const double loadMs = std::max(finishedAt[0], finishedAt[1]);
        QTimer::singleShot(bench::settleMs(), &app, [&, loadMs] {
          const bench::TreeMemory memory = bench::treeMemory(getpid(), bench::verbose());
          std::printf("bare load_ms=%.1f pss_kb=%lld uss_kb=%lld procs=%d\n", loadMs, memory.pssKb,
                      memory.ussKb, memory.processes);
          std::fflush(stdout);
          finish(0, nullptr);
        });
      });
    }
    showTwoViews(window, views, profile, urls);
    QTimer::singleShot(kTimeoutMs, &app, [&] { finish(1, "timed out"); });
    QApplication::exec();
  }
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
