// One heavy page loaded in the top pane, in Corvane or in the bare two-view window: the time from
// the address entered to the page loaded, images and all. The page comes from a loopback server
// (run_pane_bench.sh starts one); each load asks for it afresh.
//
//   pageload_bench corvane|bare URL [LOADS]
//
// After one untimed load, LOADS (default 5) timed ones, each with its own query so that nothing
// is reused, a moment apart. Prints one line: <corvane|bare> median_ms=<ms> loads_ms=<a,b,...>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "PaneBenchSupport.h"
#include "qt/engine/ApplicationSetup.h"

namespace {

constexpr int kTimeoutMs = 120000;
constexpr int kPauseMs = 300;

int run(int argc, char* argv[], QString& scratch) {
  const QStringList args = [&] {
    QStringList list;
    for (int i = 1; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
    return list;
  }();
  if (args.size() < 2 ||
      (args[0] != QLatin1String("corvane") && args[0] != QLatin1String("bare"))) {
    std::fprintf(stderr, "usage: pageload_bench corvane|bare URL [LOADS]\n");
    return 2;
  }
  const bool corvane = args[0] == QLatin1String("corvane");
  const QUrl page(args[1]);
  const int loads = args.size() > 2 ? std::max(1, args[2].toInt()) : 5;

  if (corvane) corvane::prepareApplication();
  QApplication app(argc, argv);
  if (corvane) corvane::configureApplication();
  QTemporaryDir root;
  if (!root.isValid()) return 1;
  root.setAutoRemove(false);
  scratch = root.path();

  std::unique_ptr<bench::TwoViews> views =
      corvane ? bench::makeCorvane(root.path()) : bench::makeBare(root.path());
  std::vector<double> times;
  int exitCode = 1;
  QElapsedTimer clock;
  QUrl expected;
  int round = 0;  // 0 is the untimed one

  std::function<void()> next = [&] {
    expected = page;
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("load"), QString::number(round));
    expected.setQuery(query);
    clock.start();
    views->go(0, expected);
  };
  QString error;
  const bool started = views->start(
      [&] {
        QWebEngineView* view = views->view(0);
        QObject::connect(view, &QWebEngineView::loadFinished, &app, [&, view](bool ok) {
          if (view->url() != expected) return;
          const double ms = double(clock.nsecsElapsed()) / 1e6;
          if (!ok) {
            std::fprintf(stderr, "pageload_bench: the page failed to load\n");
            return QApplication::exit(1);
          }
          if (round > 0) times.push_back(ms);
          if (++round > loads) {
            std::vector<double> sorted = times;
            std::sort(sorted.begin(), sorted.end());
            const std::size_t n = sorted.size();
            const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
            std::printf("%s median_ms=%.1f loads_ms=", corvane ? "corvane" : "bare", median);
            for (std::size_t i = 0; i < times.size(); ++i) {
              std::printf("%s%.1f", i ? "," : "", times[i]);
            }
            std::printf("\n");
            std::fflush(stdout);
            exitCode = 0;
            return QApplication::exit(0);
          }
          QTimer::singleShot(kPauseMs, &app, next);
        });
        // The start-up's own loads settle first.
        QTimer::singleShot(1000, &app, next);
      },
      error);
  if (!started) {
    std::fprintf(stderr, "pageload_bench: %s\n", qPrintable(error));
    return 1;
  }
  QTimer::singleShot(kTimeoutMs, &app, [] {
    std::fprintf(stderr, "pageload_bench: timed out\n");
    QApplication::exit(1);
  });
  QApplication::exec();
  views.reset();
  return exitCode;
}

}  // namespace

int main(int argc, char* argv[]) {
  QString scratch;
  const int code = run(argc, argv, scratch);
  // The engine writes into its profile until it has shut down with the application.
  if (!scratch.isEmpty()) QDir(scratch).removeRecursively();
  return code;
}
