#pragma once

#include <string>

namespace corvane {

// A page's link to an address the engine cannot show (mailto:, tel:, magnet:, ...): it goes to
// the desktop's program for its scheme, but only after the user has agreed to which one.
namespace ExternalLink {

// Whether the engine shows addresses of this scheme (lower case) itself.
bool isEngineScheme(const std::string& scheme);

// The desktop's handler entry asked about for a scheme: "x-scheme-handler/mailto".
std::string mimeType(const std::string& scheme);

// The question before the address goes to `program` (empty when the desktop names none).
std::string question(const std::string& address, const std::string& program);

}  // namespace ExternalLink

}  // namespace corvane
