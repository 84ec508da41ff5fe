#pragma once

#include <stdexcept>
#include <string>

namespace corvane {

// Why a file's bookmarks can't be read: it is no bookmarks file, or it is one that is damaged.
// The detail says what was found, in words that follow the file's name.
class BookmarksError : public std::runtime_error {
 public:
  enum class Kind { NotBookmarks, Damaged };

  BookmarksError(Kind kind, const std::string& detail) : std::runtime_error(detail), kind_(kind) {}

  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

}  // namespace corvane
