#pragma once

#include <string>

namespace corvane {

// Whether a title is only the engine's stand-in for a page that has none of its own: the address
// itself, or the address shortened for display (scheme left out, trailing slash dropped, escapes
// decoded) or, for a local file, its path or file name. Such a page is named by its whole address.
bool isStandInTitle(const std::string& title, const std::string& address);

}  // namespace corvane
