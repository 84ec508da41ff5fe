#pragma once

#include <string>

namespace corvane {

// The user's trash, from which deleted files can be restored.
class ITrash {
 public:
  ITrash() = default;
  ITrash(const ITrash&) = delete;
  ITrash& operator=(const ITrash&) = delete;
  virtual ~ITrash() = default;

  // Moves the file or folder (a link itself, not what it points to) into the trash; false
  // when the platform has no trash for it or the move failed, and the item is then untouched.
  virtual bool MoveToTrash(const std::string& path) = 0;
};

}  // namespace corvane
