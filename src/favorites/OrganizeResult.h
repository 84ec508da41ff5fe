#pragma once

#include <filesystem>
#include <string>

namespace corvane {

// How an organising step ended, and what to tell the user when it did not succeed.
struct OrganizeResult {
  enum class Status {
    Done,
    // Not allowed: outside the Favorites folder, a name already taken, a folder into itself.
    Refused,
    // The file system refused.
    Failed,
    // The item could not go to the trash; it is untouched and may be deleted for good instead.
    NoTrash,
  };
  Status status = Status::Done;
  std::string message;
  // Where the item is now (after a rename, a move, a new folder).
  std::filesystem::path path;

  bool ok() const { return status == Status::Done; }
};

}  // namespace corvane
