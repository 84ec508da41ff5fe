// Corvane after many navigations in both panes: does anything pile up? Both panes go, at the same
// time and the user's way (address typed and entered), through the eight ordinary pages of the
// loopback server that run_pane_bench.sh starts, NAVIGATIONS times each. The bare two-view window
// can run the same soak, to tell what the engine itself gathers.
//
//   soak_bench corvane|bare BASE_URL [NAVIGATIONS]      (BASE_URL: http://127.0.0.1:<port>)
//
// Every 100 navigations a line shows the memory as it stands, to tell a cache that fills up and
// stays from a steady climb.
// The process tree's memory (PSS), its renderer processes and the open file descriptors (of the
// main process and of the whole tree) are read after the first 50 navigations in each pane and
// after the last, each time once things have settled, and then again once each page's script
// engine has collected its garbage. What the collector has not yet freed depends on where its
// cycle stands when the soak ends, not on what was kept: removing work from the pages can raise
// that figure by tens of megabytes. The goals are judged after the collection, the figure before
// it is printed beside:
//   PSS after / after 50 <= 1.15, renderers no more, no descriptor of the main process opened
//   since and still open (but for the engine's database journals, which it opens once).
// The last line, "final pss_kb=<collected> uncollected_pss_kb=<before>", is for run_pane_bench.sh
// to set Corvane against the bare window.
// Exit status 0 when all three are met, 1 when one is missed, 2 when the run failed.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "PaneBenchSupport.h"
#include "qt/engine/ApplicationSetup.h"

namespace {

constexpr int kPages = 8;
constexpr int kBaseline = 50;
// Long enough for the engine's first commit of its history database (every ten seconds), which
// keeps that database's journal open from then on.
constexpr int kSettleMs = 11000;
constexpr int kSamples = 5;
// Time for the pages the collector emptied to go back to the system.
constexpr int kCollectedSettleMs = 2000;
constexpr int kSampleGapMs = 500;
constexpr int kTimeoutMs = 15 * 60 * 1000;
constexpr int kTimeoutMsForCollection = 30000;

struct Figures {
  long long pssKb = 0;
  long long ussKb = 0;
  int processes = 0;
  int renderers = 0;
  int mainFds = 0;
  int treeFds = 0;
  // What each of the main process's descriptors is open on, to name the ones that differ.
  QStringList mainFdTargets;
};

QStringList fdTargets() {
  QStringList targets;
  const QDir fds(QStringLiteral("/proc/self/fd"));
  for (const QFileInfo& fd :
       fds.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
    targets << fd.symLinkTarget();
  }
  targets.sort();
  return targets;
}

// The engine keeps each of its profile's databases open with its journal once it has written to
// it; the history database's first write may come at any time. Such a journal is opened once, in
// the bare window alike, and is no leak.
bool isEngineJournal(const QString& target) {
  return target.contains(QLatin1String("/webengine/")) &&
         target.endsWith(QLatin1String("-journal"));
}

// The descriptors open at the end but not after 50 (printed, with those closed since); returns
// how many of them are not the engine's database journals.
int printFdChanges(const QStringList& before, const QStringList& after) {
  QStringList gone = before;
  int leaked = 0;
  for (const QString& target : after) {
    if (gone.removeOne(target)) continue;
    const bool journal = isEngineJournal(target);
    if (!journal) ++leaked;
    std::printf("  descriptor opened since: %s%s\n", qPrintable(target),
                journal ? " (the engine's database journal, opened once)" : "");
  }
  for (const QString& target : gone) {
    std::printf("  descriptor closed since: %s\n", qPrintable(target));
  }
  return leaked;
}

Figures snapshot() {
  Figures f;
  const bench::TreeMemory memory = bench::treeMemory(getpid(), bench::verbose());
  f.pssKb = memory.pssKb;
  f.ussKb = memory.ussKb;
  f.processes = memory.processes;
  f.renderers = bench::rendererCount(getpid());
  f.mainFds = bench::fdCount(getpid());
  f.mainFdTargets = fdTargets();
  for (pid_t pid : bench::processTree(getpid())) {
    const int fds = bench::fdCount(pid);
    if (fds > 0) f.treeFds += fds;
  }
  return f;
}

void waitMs(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Makes the script engine of each page collect all its garbage (both programs run with the
// engine's gc() exposed to pages), then waits for the pages it freed to go.
void collectGarbage(const bench::TwoViews& views) {
  QEventLoop loop;
  int waiting = 2;
  for (int pane = 0; pane < 2; ++pane) {
    views.view(pane)->page()->runJavaScript(
        QStringLiteral("typeof gc === 'function' ? (gc(), true) : false"), 0,
        [&](const QVariant& collected) {
          if (!collected.toBool()) std::fprintf(stderr, "soak_bench: the page has no gc()\n");
          if (--waiting == 0) loop.quit();
        });
  }
  QTimer::singleShot(kTimeoutMsForCollection, &loop, &QEventLoop::quit);
  loop.exec();
  waitMs(kCollectedSettleMs);
}

// Several snapshots a moment apart: the memory is their median, the descriptors those of the
// snapshot with the fewest, since the engine opens a database journal for a moment now and then.
Figures measure() {
  std::vector<Figures> samples;
  for (int i = 0; i < kSamples; ++i) {
    if (i) waitMs(kSampleGapMs);
    samples.push_back(snapshot());
  }
  const auto fewest =
      std::min_element(samples.begin(), samples.end(),
                       [](const Figures& a, const Figures& b) { return a.mainFds < b.mainFds; });
  Figures f = *fewest;
  const auto median = [&samples](long long Figures::*field) {
    std::vector<long long> values;
    for (const Figures& sample : samples) values.push_back(sample.*field);
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  };
  f.pssKb = median(&Figures::pssKb);
  f.ussKb = median(&Figures::ussKb);
  return f;
}

void print(const char* when, const Figures& f) {
  std::printf("%-13s pss_kb=%lld uss_kb=%lld processes=%d renderers=%d fds_main=%d fds_tree=%d\n",
              when, f.pssKb, f.ussKb, f.processes, f.renderers, f.mainFds, f.treeFds);
  std::fflush(stdout);
}

int run(int argc, char* argv[], QString& scratch) {
  const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (argc < 3 || (mode != QLatin1String("corvane") && mode != QLatin1String("bare"))) {
    std::fprintf(stderr, "usage: soak_bench corvane|bare BASE_URL [NAVIGATIONS]\n");
    return 2;
  }
  const bool isCorvane = mode == QLatin1String("corvane");
  const QString base = QString::fromLocal8Bit(argv[2]);
  const int navigations = argc > 3 ? std::max(kBaseline + 1, std::atoi(argv[3])) : 500;

  // gc() for collectGarbage(); the same for both programs, and nothing else changes.
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
          qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + QByteArrayLiteral(" --js-flags=--expose-gc"));
  if (isCorvane) corvane::prepareApplication();
  QApplication app(argc, argv);
  if (isCorvane) corvane::configureApplication();
  std::printf("%s\n", isCorvane ? "corvane" : "bare");
  QTemporaryDir root;
  if (!root.isValid()) return 2;
  root.setAutoRemove(false);
  scratch = root.path();

  std::unique_ptr<bench::TwoViews> corvane =
      isCorvane ? bench::makeCorvane(root.path()) : bench::makeBare(root.path());
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
        print("  uncollected", measure());
        collectGarbage(*corvane);
        baseline = measure();
        print("after 50", baseline);
        next();
      });
    } else if (done == navigations) {
      QTimer::singleShot(kSettleMs, &app, [&] {
        const Figures uncollected = measure();
        print("  uncollected", uncollected);
        collectGarbage(*corvane);
        const Figures last = measure();
        char label[32];
        std::snprintf(label, sizeof label, "after %d", navigations);
        print(label, last);
        const double pss = double(last.pssKb) / double(baseline.pssKb);
        const bool pssOk = pss <= 1.15;
        const bool renderersOk = last.renderers <= baseline.renderers;
        std::printf("PSS after/after 50 %.3f (goal <= 1.15) %s; USS %.3f, for reference\n", pss,
                    pssOk ? "met" : "MISSED", double(last.ussKb) / double(baseline.ussKb));
        std::printf("renderers %d -> %d (goal: no more) %s\n", baseline.renderers, last.renderers,
                    renderersOk ? "met" : "MISSED");
        std::printf("descriptors of the main process %d -> %d; tree %d -> %d\n", baseline.mainFds,
                    last.mainFds, baseline.treeFds, last.treeFds);
        const int leaked = printFdChanges(baseline.mainFdTargets, last.mainFdTargets);
        const bool fdsOk = leaked == 0;
        std::printf("descriptors left open (goal: none) %d %s\n", leaked, fdsOk ? "met" : "MISSED");
        std::printf("final pss_kb=%lld uncollected_pss_kb=%lld\n", last.pssKb, uncollected.pssKb);
        std::fflush(stdout);
        exitCode = pssOk && renderersOk && fdsOk ? 0 : 1;
        QApplication::exit(exitCode);
      });
    } else {
      if (done % 100 == 0) {
        const bench::TreeMemory memory = bench::treeMemory(getpid(), false);
        std::printf("  at %-5d pss_kb=%lld uss_kb=%lld\n", done, memory.pssKb, memory.ussKb);
        std::fflush(stdout);
      }
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
