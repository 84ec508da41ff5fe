// Folder view over a folder of 100,000 files.
//
//   folder_bench [FOLDER]
//
// Fills FOLDER (default: a new folder under the temp folder, removed afterwards) with 100,000
// empty files, then measures, in the same run and with the same warm cache:
//   - opening a file there in folder view (the listing filled) against a bare readdir and sort
//     of the same folder; goal: at most 1.5 x;
//   - one Forward step onto entry 5 and onto entry 99,995; goal: the same cost (no re-listing,
//     no scan from the start), here within 1.5 x of each other.
// Prints the medians; exit status 0 when both goals are met, 1 otherwise.
// Not a test: its figures depend on the machine and on what else runs on it.
#include <dirent.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "CommandsRig.h"
#include "panes/FolderView.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFiles = 100000;
constexpr int kRounds = 9;
constexpr int kSteps = 2000;
constexpr double kGoal = 1.5;

double secondsOf(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Names as a camera writes them, created out of order so that the folder is not already sorted.
void fill(const fs::path& folder) {
  char name[32];
  for (int i = 0; i < kFiles; ++i) {
    const int n = static_cast<int>((static_cast<long long>(i) * 7919) % kFiles);
    std::snprintf(name, sizeof name, "IMG_%06d.JPG", n);
    std::ofstream(folder / name);
  }
}

std::vector<std::string> readdirAndSort(const fs::path& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

// Median time of one Forward step from entry `from` to the next, in seconds.
double stepFrom(corvane::CommandsRig& rig, int from) {
  corvane::FolderView& view = rig.topCommands.folderView();
  std::vector<double> times;
  for (int i = 0; i < kSteps; ++i) {
    rig.top.pane.File.SetListIndex(from);
    times.push_back(secondsOf([&] { view.StepFolder(corvane::FolderStep::Forward); }));
  }
  return median(times);
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
  std::printf("filling %s with %d files...\n", folder.c_str(), kFiles);
  fill(folder);
  const std::string opened = (folder / "IMG_050000.JPG").string();

  std::vector<double> bare, open;
  std::size_t bareCount = 0;
  int listed = 0;
  readdirAndSort(folder);  // warm the cache for both
  for (int round = 0; round < kRounds; ++round) {
    // Alternate which goes first, so that neither always meets a colder cache.
    const auto runBare = [&] {
      bare.push_back(secondsOf([&] { bareCount = readdirAndSort(folder).size(); }));
    };
    const auto runOpen = [&] {
      corvane::CommandsRig rig;
      rig.fileDialog.choose(opened);
      open.push_back(secondsOf([&] { rig.topCommands.folderView().OpenLocalFile(); }));
      listed = rig.top.pane.File.ListCount();
    };
    if (round % 2 == 0) {
      runBare();
      runOpen();
    } else {
      runOpen();
      runBare();
    }
  }
  const double fillRatio = median(open) / median(bare);
  std::printf("readdir + sort:         %8.2f ms (%zu names)\n", median(bare) * 1e3, bareCount);
  std::printf("open in folder view:    %8.2f ms (%d files listed)\n", median(open) * 1e3, listed);
  std::printf("ratio:                  %8.2f x  (goal <= %.1f x)\n", fillRatio, kGoal);

  corvane::CommandsRig rig;
  rig.fileDialog.choose(opened);
  rig.topCommands.folderView().OpenLocalFile();
  const double early = stepFrom(rig, 4);
  const double late = stepFrom(rig, kFiles - 6);
  const double stepRatio = std::max(early, late) / std::min(early, late);
  std::printf("step onto entry 5:      %8.2f us\n", early * 1e6);
  std::printf("step onto entry 99995:  %8.2f us\n", late * 1e6);
  std::printf("ratio:                  %8.2f x  (goal: the same, <= %.1f x)\n", stepRatio, kGoal);

  const bool met = listed == kFiles && fillRatio <= kGoal && stepRatio <= kGoal;
  std::printf("%s\n", met ? "goals met" : "goal missed");
  return met ? 0 : 1;
}
