#pragma once

#include <string>

namespace corvane {

// The origin of an address as the engine compares them: "scheme://host[:port]" in lower case,
// without user, path, query or fragment, the scheme's default port left out; "file://" for every
// local file; "null" for an address with no origin of its own (about:, data:, javascript:, text
// that is no address). A blob: address has the origin of the address inside it.
std::string webOrigin(const std::string& address);

}  // namespace corvane
