#pragma once

#include <string>

#include "session/Session.h"

namespace corvane {

// The session file's text: JSON, with the format's version, whether the program closed properly
// after writing it, and both panes' pages. Each page keeps its address, title, back/forward
// entries with the current one, and the engine's own record of its history in base64.
class SessionJson {
 public:
  // The version this program writes; it reads it and every older one.
  static constexpr int kFormat = 1;

  enum class Outcome {
    Read,
    // Not JSON, cut short, or not the file's shape.
    Damaged,
    // Written by a newer Corvane, in a format this one does not know.
    Newer,
  };
  struct Parsed {
    Outcome outcome = Outcome::Damaged;
    Session session;
    bool cleanExit = false;
    // What is wrong, for the user; "" when read.
    std::string problem;
  };

  static std::string Write(const Session& session, bool cleanExit);
  // Every field is checked; a file with any field wrong is damaged as a whole.
  static Parsed Read(const std::string& text);
};

}  // namespace corvane
