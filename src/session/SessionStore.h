#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/AtomicFile.h"
#include "session/Session.h"

namespace corvane {

// The session file in Corvane's data folder, written whole each time. A file that cannot be
// read as a session is set aside beside it under a name of its own, so that nothing in it is
// lost and the next save starts afresh.
class SessionStore {
 public:
  // The largest session file read; a larger one is no session this program wrote.
  static constexpr std::uintmax_t kMaxFileSize = 64u << 20;

  enum class Outcome {
    // No session file: the first run, or the pages were never saved.
    Missing,
    Read,
    // The file could not be read as a session; problem says why, keptAs where it went.
    SetAside,
  };
  struct Loaded {
    Outcome outcome = Outcome::Missing;
    Session session;
    bool cleanExit = false;
    std::string problem;
    // "" when even setting it aside failed: the file is then still where it was.
    std::filesystem::path keptAs;
  };

  explicit SessionStore(std::filesystem::path file, FileSteps& steps = FileSteps::system());

  const std::filesystem::path& file() const { return file_; }

  // Reads the session; removes what killed saves left in its folder first.
  Loaded Load();
  // Writes the session whole, creating the data folder when missing; false when it failed,
  // and then the file is as it was.
  bool Save(const Session& session, bool cleanExit);

 private:
  Loaded setAside(std::string problem);

  std::filesystem::path file_;
  FileSteps& steps_;
};

}  // namespace corvane
