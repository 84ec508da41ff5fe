#include "BenchSupport.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace bench {

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray page(const QString& title, const QString& body) {
  // A little text and style, so that layout and fonts run as they would for a real home page.
  return QStringLiteral(
             "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>\n"
             "<style>body{font-family:sans-serif;margin:1em}h1{color:#245}</style></head>\n"
             "<body><h1>%1</h1><p>%2</p><ul><li>one</li><li>two</li><li>three</li></ul>"
             "</body></html>\n")
      .arg(title, body)
      .toUtf8();
}

std::set<pid_t> childrenFromTasks(pid_t pid) {
  std::set<pid_t> children;
  const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
  for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    std::ifstream in(tasks.filePath(tid + QStringLiteral("/children")).toStdString());
    pid_t child = 0;
    while (in >> child) children.insert(child);
  }
  return children;
}

// Parent of each live process, from /proc/<pid>/stat (the field after the command's ')').
std::multimap<pid_t, pid_t> childrenByParent() {
  std::multimap<pid_t, pid_t> byParent;
  const QDir proc(QStringLiteral("/proc"));
  for (const QString& name : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    bool ok = false;
    const pid_t pid = name.toInt(&ok);
    if (!ok) continue;
    std::ifstream in("/proc/" + name.toStdString() + "/stat");
    std::string stat;
    std::getline(in, stat);
    const auto close = stat.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream fields(stat.substr(close + 1));
    std::string state;
    pid_t ppid = 0;
    if (fields >> state >> ppid) byParent.emplace(ppid, pid);
  }
  return byParent;
}

std::string commandLine(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline");
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// What the engine started the process as; a zygote's children keep their zygote's command
// line, so they are named after their parent.
std::string processKind(pid_t pid, pid_t parent) {
  const std::string all = commandLine(pid);
  if (parent > 0 && all == commandLine(parent) && all.find("--type=zygote") != std::string::npos) {
    return "forked:renderer";
  }
  std::string kind = "main";
  const auto type = all.find("--type=");
  if (type != std::string::npos) {
    kind = all.substr(type + 7, all.find('\0', type) - type - 7);
    const auto sub = all.find("--utility-sub-type=");
    if (sub != std::string::npos) {
      kind += ":" + all.substr(sub + 19, all.find('\0', sub) - sub - 19);
    }
  }
  return kind;
}

// CPU time the process has used so far, user and system, in ms (clock-tick resolution).
long long cpuMs(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string stat;
  std::getline(in, stat);
  const auto close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  long long utime = 0;
  long long stime = 0;
  // Fields 3 to 13 come before utime (14) and stime (15).
  for (int i = 3; i <= 13; ++i) fields >> field;
  if (!(fields >> utime >> stime)) return -1;
  return (utime + stime) * 1000 / sysconf(_SC_CLK_TCK);
}

}  // namespace

TestPages writeTestPages(const QString& folder) {
  TestPages pages;
  const QDir dir(folder);
  pages.top = dir.absoluteFilePath(QStringLiteral("a.html"));
  pages.bottom = dir.absoluteFilePath(QStringLiteral("b.html"));
  pages.topTitle = QStringLiteral("Bench Page A");
  pages.bottomTitle = QStringLiteral("Bench Page B");
  if (!writeFile(pages.top, page(pages.topTitle, QStringLiteral("The top pane's page."))) ||
      !writeFile(pages.bottom,
                 page(pages.bottomTitle, QStringLiteral("The bottom pane's page.")))) {
    return {};
  }
  return pages;
}

namespace {

struct TreeEntry {
  pid_t pid;
  pid_t parent;
};

std::vector<TreeEntry> walkTree(pid_t root) {
  // Both ways: the children files miss nothing the kernel tracks, the parent scan works on
  // kernels built without them.
  const auto byParent = childrenByParent();
  std::vector<TreeEntry> tree{{root, 0}};
  std::set<pid_t> seen{root};
  for (std::size_t i = 0; i < tree.size(); ++i) {
    const pid_t pid = tree[i].pid;
    std::set<pid_t> children = childrenFromTasks(pid);
    const auto range = byParent.equal_range(pid);
    for (auto it = range.first; it != range.second; ++it) children.insert(it->second);
    for (pid_t child : children) {
      if (seen.insert(child).second) tree.push_back({child, pid});
    }
  }
  return tree;
}

}  // namespace

std::vector<pid_t> processTree(pid_t root) {
  std::vector<pid_t> pids;
  for (const TreeEntry& entry : walkTree(root)) pids.push_back(entry.pid);
  return pids;
}

ProcessMemory processMemory(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
  ProcessMemory memory;
  long long privateKb = 0;
  bool sawPrivate = false;
  std::string line;
  while (std::getline(in, line)) {
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string field = line.substr(0, colon);
    if (field == "Pss") {
      memory.pssKb = std::stoll(line.substr(colon + 1));
    } else if (field == "Private_Clean" || field == "Private_Dirty") {
      privateKb += std::stoll(line.substr(colon + 1));
      sawPrivate = true;
    }
  }
  if (memory.pssKb >= 0 && sawPrivate) memory.ussKb = privateKb;
  return memory;
}

TreeMemory treeMemory(pid_t root, bool verbose) {
  TreeMemory total;
  for (const TreeEntry& entry : walkTree(root)) {
    const pid_t pid = entry.pid;
    const ProcessMemory memory = processMemory(pid);
    if (memory.pssKb < 0) continue;
    total.pssKb += memory.pssKb;
    total.ussKb += std::max(0LL, memory.ussKb);
    ++total.processes;
    if (verbose) {
      std::fprintf(stderr, "  pid %-7d %-22s pss_kb=%-7lld uss_kb=%-7lld cpu_ms=%lld\n", int(pid),
                   processKind(pid, entry.parent).c_str(), memory.pssKb, memory.ussKb, cpuMs(pid));
    }
  }
  return total;
}

int settleMs() {
  bool ok = false;
  const int ms = qEnvironmentVariableIntValue("BENCH_SETTLE_MS", &ok);
  return ok && ms >= 0 ? ms : 500;
}

bool verbose() { return qEnvironmentVariableIsSet("BENCH_VERBOSE"); }

}  // namespace bench
