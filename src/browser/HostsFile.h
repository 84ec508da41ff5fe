#pragma once

#include <set>
#include <string>

namespace corvane {

// The host names of the system's hosts file (/etc/hosts), which name hosts the address box
// opens rather than searches for.
class HostsFile {
 public:
  // The names of a hosts file's text, in lower case: on each line, after the address, up to a
  // '#'.
  static std::set<std::string> Names(const std::string& text);
  // The names of the file; none when it cannot be read. Only its first megabyte is read.
  static std::set<std::string> Read(const std::string& path);
};

}  // namespace corvane
