#pragma once

#include <filesystem>

namespace corvane {

// The lock a running Corvane holds on a file in its data folder, for as long as it runs: the
// system lets go of it however the program ends, so a session left behind without it was left
// by a crash or a kill, while a lock still held means another Corvane is running with that
// session. The file holds the holder's process id, for the user.
class SessionLock {
 public:
  enum class State {
    Held,
    // Another running Corvane holds it.
    HeldByOther,
    // It could not be taken (no data folder, a file system without locks).
    Unavailable,
  };

  // Tries to take the lock, creating the file and its folder when missing.
  explicit SessionLock(const std::filesystem::path& file);
  // Lets go of the lock; the file stays.
  ~SessionLock();
  SessionLock(const SessionLock&) = delete;
  SessionLock& operator=(const SessionLock&) = delete;

  State state() const { return state_; }
  // The process id the holder wrote, for HeldByOther; 0 when it is not known.
  long holder() const { return holder_; }

 private:
  int fd_ = -1;
  State state_ = State::Unavailable;
  long holder_ = 0;
};

}  // namespace corvane
