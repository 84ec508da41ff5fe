#include "session/SessionStore.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "session/SessionJson.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

// Enough names for every damaged file a user could plausibly collect.
constexpr int kMaxSetAsideNames = 1000;

}  // namespace

SessionStore::SessionStore(fs::path file, FileSteps& steps)
    : file_(std::move(file)), steps_(steps) {}

SessionStore::Loaded SessionStore::Load() {
  AtomicFile::removeLeftovers(file_.parent_path(), false);
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(file_, ec);
  if (status.type() == fs::file_type::not_found) return Loaded();
  if (!fs::is_regular_file(file_, ec)) return setAside("it is not a file");
  const std::uintmax_t size = fs::file_size(file_, ec);
  if (ec) return setAside("it cannot be read");
  if (size > kMaxFileSize) return setAside("it is too large");

  std::ifstream in(file_, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) return setAside("it cannot be read");

  SessionJson::Parsed parsed = SessionJson::Read(text);
  if (parsed.outcome != SessionJson::Outcome::Read) return setAside(std::move(parsed.problem));
  Loaded loaded;
  loaded.outcome = Outcome::Read;
  loaded.session = std::move(parsed.session);
  loaded.cleanExit = parsed.cleanExit;
  return loaded;
}

bool SessionStore::Save(const Session& session, bool cleanExit) {
  std::error_code ec;
  fs::create_directories(file_.parent_path(), ec);
  return AtomicFile(file_, steps_).replace(SessionJson::Write(session, cleanExit));
}

SessionStore::Loaded SessionStore::setAside(std::string problem) {
  Loaded loaded;
  loaded.outcome = Outcome::SetAside;
  loaded.problem = std::move(problem);
  // session.json becomes session.json.unreadable, or .unreadable-2 and on when that is taken.
  for (int n = 1; n <= kMaxSetAsideNames; ++n) {
    fs::path name = file_;
    name += n == 1 ? ".unreadable" : ".unreadable-" + std::to_string(n);
    if (steps_.renameNoReplace(file_, name)) {
      loaded.keptAs = name;
      break;
    }
    std::error_code ec;
    if (fs::symlink_status(name, ec).type() == fs::file_type::not_found) break;
  }
  return loaded;
}

}  // namespace corvane
