#pragma once

#include <functional>
#include <string>

namespace corvane {

// Permission bits don't bind root, and the tests may run as root. This runs work in a child
// process that has dropped to the unprivileged user "nobody" when the tests run as root, and
// right here otherwise. work returns what went wrong, "" for nothing; so does this, adding a
// failure to drop the privileges. Files work must reach have to be open to that user.
std::string runUnprivileged(const std::function<std::string()>& work);

}  // namespace corvane
