#include "session/SessionLock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "TempDir.h"

namespace corvane {
namespace {

// A second lock on the same file stands for a second Corvane: the system keeps each open of the
// file apart, even within one process.
TEST(SessionLockTest, OneCorvaneHoldsTheLockUntilItEndsAndTheNextOneSeesWho) {
  TempDir dir;
  const auto file = dir.path() / "new" / "session.lock";
  auto first = std::make_unique<SessionLock>(file);
  ASSERT_EQ(first->state(), SessionLock::State::Held);
  EXPECT_EQ(dir.readFile("new/session.lock"), std::to_string(::getpid()) + "\n");

  const SessionLock second(file);
  EXPECT_EQ(second.state(), SessionLock::State::HeldByOther);
  EXPECT_EQ(second.holder(), ::getpid());

  first.reset();  // as the end of the process, however it ends, lets go
  const SessionLock third(file);
  EXPECT_EQ(third.state(), SessionLock::State::Held);

  // A data folder that cannot be made: no lock, and so no session to keep.
  dir.writeFile("plain", "");
  EXPECT_EQ(SessionLock(dir.path() / "plain" / "session.lock").state(),
            SessionLock::State::Unavailable);
}

}  // namespace
}  // namespace corvane
