#pragma once

#include <QString>

#include <sys/types.h>

#include <vector>

namespace bench {

// The two small local pages both benchmarks load, written into `folder`.
struct TestPages {
  QString top;     // absolute path of a.html
  QString bottom;  // absolute path of b.html
  QString topTitle;
  QString bottomTitle;
};
TestPages writeTestPages(const QString& folder);

// `root` and every process below it (the engine's zygotes, renderers and utility processes).
std::vector<pid_t> processTree(pid_t root);

// One process's memory in kB, from /proc/<pid>/smaps_rollup: the proportional set size and the
// pages no other process maps. Both -1 if unreadable (the process has gone).
struct ProcessMemory {
  long long pssKb = -1;
  long long ussKb = -1;
};
ProcessMemory processMemory(pid_t pid);

// PSS is what the goal is about; USS is less moved by other programs that map the same
// libraries (another web engine program running meanwhile lowers every PSS).
struct TreeMemory {
  long long pssKb = 0;
  long long ussKb = 0;
  int processes = 0;
};
// The PSS of the whole tree under `root`. With `verbose`, one line per process on stderr.
TreeMemory treeMemory(pid_t root, bool verbose);

// How long to wait after both pages have loaded before the memory is read, in ms; the same for
// both benchmarks. BENCH_SETTLE_MS overrides it.
int settleMs();
bool verbose();

}  // namespace bench
