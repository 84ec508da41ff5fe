// The history at the size of a few years of browsing: 100,000 visits and 10,000 favorites.
//
//   history_bench [FOLDER]
//
// Fills a history database in FOLDER (default: a new folder under the temp folder, removed
// afterwards) with 100,000 visits of 70,000 pages on 3,000 sites over a year, then measures:
//   - the start: the caller's cost, and the time the writer thread takes to read the history
//     into the address box's index (no goal; the window does not wait for it);
//   - a key press: the suggestions and the inline completion for each prefix of 300 typed
//     texts, against the index and 10,000 favorites; goal: 95th percentile <= 10 ms;
//   - recording a visit, as the window's thread pays for it while the writer thread writes;
//     goal: 99th percentile <= 1 ms;
//   - the History window's list on all 100,000 visits, read and grouped by day; goal: <= 300 ms.
// Prints the figures; exit status 0 when every goal is met, 1 otherwise.
// Not a test: its figures depend on the machine and on what else runs on it.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakeBrowserControl.h"
#include "HistoryBenchData.h"
#include "PaneRig.h"
#include "RecordingHistoryNotices.h"
#include "TempDir.h"
#include "dialogs/HistoryWindow.h"
#include "history/History.h"
#include "panes/AddressSuggester.h"
#include "platform/SystemClock.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using bench::kPages;
using bench::kSites;
using bench::kVisits;
using bench::Web;

constexpr int kFavorites = 10000;
constexpr int kTypedTexts = 300;
constexpr int kRecorded = 10000;

double msOf(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The calling thread's own processor time: what the work costs when the machine is shared.
double threadMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[at];
}

std::string loadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string one, five, fifteen;
  in >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

// What a user types: words of a page's title, the start of a site, or something not there.
std::vector<std::string> typedTexts(Web& web) {
  std::vector<std::string> texts;
  for (int i = 0; i < kTypedTexts; ++i) {
    const std::string& title = web.titles[web.random() % kPages];
    switch (i % 4) {
      case 0:
        texts.push_back(title.substr(0, title.find(' ')));
        break;
      case 1:
        texts.push_back(title.substr(0, std::min<std::size_t>(title.size(), 18)));
        break;
      case 2:
        texts.push_back(web.sites[web.random() % kSites].substr(0, 9));
        break;
      default:
        texts.push_back("zq" + web.word() + " x");
    }
  }
  return texts;
}

// Wall and processor times of repeated work.
struct Times {
  std::vector<double> wall, cpu;
  void time(const std::function<void()>& work) {
    const double before = threadMs();
    wall.push_back(msOf(work));
    cpu.push_back(threadMs() - before);
  }
};

// Each prefix of each typed text, as key presses; returns the 95th percentile.
double keyPresses(Web& web, corvane::History& history, corvane::PaneRig& top,
                  const corvane::FakeBrowserControl& otherPane) {
  std::vector<corvane::FavoriteLinks::Link> links;
  for (int i = 0; i < kFavorites; ++i) {
    const int page = static_cast<int>(web.random() % kPages);
    links.push_back({web.titles[page], web.urls[page]});
  }
  const corvane::FavoriteLinks favorites(std::move(links));
  const corvane::AddressSuggester suggester(top.search, history, favorites);
  Times keys;
  std::size_t shown = 0;
  for (const std::string& text : typedTexts(web)) {
    for (std::size_t typed = 1; typed <= text.size(); ++typed) {
      const std::string prefix = text.substr(0, typed);
      keys.time([&] {
        shown += suggester.Suggest(prefix, otherPane).size();
        suggester.Completion(prefix);
      });
    }
  }
  const double p95 = percentile(keys.wall, 0.95);
  std::printf(
      "key press, suggestions: %8.2f ms at the 95th percentile, %.2f ms median, %.2f ms "
      "at most (%zu key presses, %.1f entries each)\n",
      p95, percentile(keys.wall, 0.5), percentile(keys.wall, 1.0), keys.wall.size(),
      static_cast<double>(shown) / static_cast<double>(keys.wall.size()));
  std::printf("  processor time:       %8.2f ms at the 95th percentile, %.2f ms at most\n",
              percentile(keys.cpu, 0.95), percentile(keys.cpu, 1.0));
  const std::string pasted(100000, 'w');
  std::printf("100,000 characters:     %8.2f ms\n",
              msOf([&] { suggester.Suggest(pasted, otherPane); }));
  return p95;
}

// Visits of known and new pages; returns the 99th percentile of the caller's cost.
double recording(Web& web, corvane::History& history) {
  Times records;
  for (int i = 0; i < kRecorded; ++i) {
    const int page = static_cast<int>(web.random() % (kPages + 5000));
    const std::string url =
        page < kPages ? web.urls[page] : "https://new.test/" + std::to_string(i);
    records.time([&] { history.RecordVisit(url, web.titles[page % kPages]); });
  }
  const double p99 = percentile(records.wall, 0.99);
  std::printf(
      "recording a visit:      %8.3f ms at the 99th percentile, %.3f ms median, %.3f ms "
      "at most\n",
      p99, percentile(records.wall, 0.5), percentile(records.wall, 1.0));
  std::printf("  processor time:       %8.3f ms at the 99th percentile, %.3f ms at most\n",
              percentile(records.cpu, 0.99), percentile(records.cpu, 1.0));
  const double flushed = msOf([&] { history.Flush(); });
  std::printf("  written by the writer thread %.1f ms after the last\n", flushed);
  return p99;
}

// The History window opened five times; returns the median.
double historyWindow(corvane::History& history, const corvane::IClock& clock, corvane::PaneRig& top,
                     corvane::PaneRig& bottom) {
  corvane::HistoryWindow window(history, clock, top.controller, bottom.controller);
  Times opens;
  for (int round = 0; round < 5; ++round) opens.time([&] { window.Load(corvane::PaneId::Top); });
  std::size_t listed = 0;
  for (const corvane::HistoryGroup& group : window.Groups()) listed += group.visits.size();
  const double median = percentile(opens.wall, 0.5);
  std::printf("History window's list:  %8.1f ms median, %.1f ms at most (%zu rows of %d+ visits)\n",
              median, percentile(opens.wall, 1.0), listed, kVisits);
  std::printf("  processor time:       %8.1f ms median\n", percentile(opens.cpu, 0.5));
  return median;
}

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<corvane::TempDir> temp;
  fs::path folder;
  if (argc > 1) {
    folder = argv[1];
    fs::create_directories(folder);
  } else {
    temp = std::make_unique<corvane::TempDir>();
    folder = temp->path();
  }
  std::printf("load average: %s\n", loadAverage().c_str());
  const std::string path = (folder / "history.sqlite").string();
  corvane::SystemClock clock;
  Web web(11);
  std::printf("filling %s with %d visits of %d pages...\n", path.c_str(), kVisits, kPages);
  bench::fillHistory(path, web, clock.NowMs());

  corvane::RecordingHistoryNotices notices;
  std::unique_ptr<corvane::History> history;
  const double start =
      msOf([&] { history = std::make_unique<corvane::History>(path, clock, notices); });
  const double read = msOf([&] { history->Flush(); });
  std::printf(
      "start:                  %8.2f ms on the caller's thread; the file read in the "
      "background %.1f ms later (%zu pages)\n",
      start, read, history->Index().size());

  corvane::PaneRig top, bottom(corvane::PaneId::Bottom);
  bottom.browser.setLocationURL(web.urls[7]);
  bottom.browser.setLocationName(web.titles[7]);
  const double key = keyPresses(web, *history, top, bottom.browser);
  const double record = recording(web, *history);
  const double open = historyWindow(*history, clock, top, bottom);

  std::printf("load average: %s\n", loadAverage().c_str());
  const bool met = key <= 10 && record <= 1 && open <= 300 && notices.messages().empty();
  std::printf("%s\n", met ? "goals met" : "goal missed");
  return met ? 0 : 1;
}
