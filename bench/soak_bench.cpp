// Corvane after many navigations in both panes: does anything pile up? Both panes go, at the same
// time and the user's way (address typed and entered), through the eight ordinary pages of the
// loopback server that run_pane_bench.sh starts, NAVIGATIONS times each.
//
//   soak_bench BASE_URL [NAVIGATIONS]      (BASE_URL: http://127.0.0.1:<port>)
//
// The process tree's memory (PSS), its renderer processes and the open file descriptors (of the
// main process and of the whole tree) are read after the first 50 navigations in each pane and
// after the last, each time once things have settled. Prints both and the goals:
//   PSS after / after 50 <= 1.15, renderers no more, the main process's descriptors no more.
// Exit status 0 when all three are met, 1 when one is missed, 2 when the run failed.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "BenchSupport.h"
#include "PaneBenchSupport.h"
#include "qt/ApplicationSetup.h"

namespace {

constexpr int kPages = 8;
constexpr int kBaseline = 50;
constexpr int kSettleMs = 3000;
constexpr int kTimeoutMs = 15 * 60 * 1000;

struct Figures {
  long long pssKb = 0;
  int processes = 0;
  int renderers = 0;
  int mainFds = 0;
  int treeFds = 0;
};

Figures measure() {
  Figures f;
  const bench::TreeMemory memory = bench::treeMemory(getpid(), false);
  f.pssKb = memory.pssKb;
  f.processes = memory.processes;
  f.renderers = bench::rendererCount(getpid());
  f.mainFds = bench::fdCount(getpid());
  for (pid_t pid : bench::processTree(getpid())) {
    const int fds = bench::fdCount(pid);
    if (fds > 0) f.treeFds += fds;
  }
  return f;
}

void print(const char* when, const Figures& f) {
  std::printf("%-10s pss_kb=%lld processes=%d renderers=%d fds_main=%d fds_tree=%d\n", when,
              f.pssKb, f.processes, f.renderers, f.mainFds, f.treeFds);
  std::fflush(stdout);
}

int run(int argc, char* argv[], QString& scratch) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: soak_bench BASE_URL [NAVIGATIONS]\n");
    return 2;
  }
  const QString base = QString::fromLocal8Bit(argv[1]);
  const int navigations = argc > 2 ? std::max(kBaseline + 1, std::atoi(argv[2])) : 500;

  corvane::prepareApplication();
  QApplication app(argc, argv);
  corvane::configureApplication();
  QTemporaryDir root;
  if (!root.isValid()) return 2;
  root.setAutoRemove(false);
  scratch = root.path();

  std::unique_ptr<bench::TwoViews> corvane = bench::makeCorvane(root.path());
  int exitCode = 2;
  int done = 0;  // navigations completed in both panes
  QUrl expected[2];
  bool arrived[2] = {false, false};
  Figures baseline;

  std::function<void()> next = [&] {
    for (int pane = 0; pane < 2; ++pane) {
      // The panes walk the pages out of step, so that they seldom show the same one.
      const int page = (done + pane * 3) % kPages;
      expected[pane] = QUrl(QStringLiteral("%1/soak/%2.html").arg(base).arg(page));
      arrived[pane] = false;
      corvane->go(pane, expected[pane]);
    }
  };
  const auto arrive = [&](int pane, bool ok, const QUrl& url) {
    if (url != expected[pane] || arrived[pane]) return;
    if (!ok) {
      std::fprintf(stderr, "soak_bench: %s failed to load\n", qPrintable(url.toString()));
      return QApplication::exit(2);
    }
    arrived[pane] = true;
    if (!arrived[0] || !arrived[1]) return;
    ++done;
    if (done == kBaseline) {
      QTimer::singleShot(kSettleMs, &app, [&] {
        baseline = measure();
        print("after 50", baseline);
        next();
      });
    } else if (done == navigations) {
      QTimer::singleShot(kSettleMs, &app, [&] {
        const Figures last = measure();
        char label[32];
        std::snprintf(label, sizeof label, "after %d", navigations);
        print(label, last);
        const double pss = double(last.pssKb) / double(baseline.pssKb);
        const bool pssOk = pss <= 1.15;
        const bool renderersOk = last.renderers <= baseline.renderers;
        const bool fdsOk = last.mainFds <= baseline.mainFds;
        std::printf("PSS after/after 50 %.3f (goal <= 1.15) %s\n", pss, pssOk ? "met" : "MISSED");
        std::printf("renderers %d -> %d (goal: no more) %s\n", baseline.renderers, last.renderers,
                    renderersOk ? "met" : "MISSED");
        std::printf("descriptors of the main process %d -> %d (goal: no more) %s; tree %d -> %d\n",
                    baseline.mainFds, last.mainFds, fdsOk ? "met" : "MISSED", baseline.treeFds,
                    last.treeFds);
        std::fflush(stdout);
        exitCode = pssOk && renderersOk && fdsOk ? 0 : 1;
        QApplication::exit(exitCode);
      });
    } else {
      QTimer::singleShot(0, &app, next);
    }
  };

  QString error;
  const bool started = corvane->start(
      [&] {
        for (int pane = 0; pane < 2; ++pane) {
          QWebEngineView* view = corvane->view(pane);
          QObject::connect(view, &QWebEngineView::loadFinished, &app,
                           [&, pane, view](bool ok) { arrive(pane, ok, view->url()); });
        }
        QTimer::singleShot(1000, &app, next);
      },
      error);
  if (!started) {
    std::fprintf(stderr, "soak_bench: %s\n", qPrintable(error));
    return 2;
  }
  QTimer::singleShot(kTimeoutMs, &app, [] {
    std::fprintf(stderr, "soak_bench: timed out\n");
    QApplication::exit(2);
  });
  QApplication::exec();
  corvane.reset();
  return exitCode;
}

}  // namespace

int main(int argc, char* argv[]) {
  QString scratch;
  const int code = run(argc, argv, scratch);
  if (!scratch.isEmpty()) QDir(scratch).removeRecursively();
  return code;
}
