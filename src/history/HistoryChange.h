#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// One change to the history, as it waits to be written.
struct HistoryChange {
  enum class Kind {
    Visit,   // url visited at atMs, with title ("" while it has none)
    Title,   // url's title is now title
    Remove,  // url and all its visits go
    Clear,   // every visit since atMs goes (0: everything), and addresses left without one
  };
  Kind kind = Kind::Visit;
  std::string url;
  std::string title;
  std::int64_t atMs = 0;
};

}  // namespace corvane
