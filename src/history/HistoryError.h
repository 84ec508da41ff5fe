#pragma once

#include <stdexcept>
#include <string>

namespace corvane {

// Why the history database could not be used.
class HistoryError : public std::runtime_error {
 public:
  enum class Kind {
    Locked,   // another program holds it longer than Corvane waits
    Damaged,  // not a database, or a damaged one
    Newer,    // written by a newer Corvane, in a form this one does not know
    Failed,   // anything else: no room, no permission, ...
  };

  HistoryError(Kind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

}  // namespace corvane
