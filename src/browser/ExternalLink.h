#pragma once

#include <cstddef>
#include <string>

namespace corvane {

// A page's link to an address the engine cannot show (mailto:, tel:, magnet:, ...): it goes to
// the desktop's program for its scheme, but only after the user has agreed to which one.
namespace ExternalLink {

// The scheme of Corvane's own requests between a page and its pane.
extern const char kDialogScheme[];

// Whether the engine shows addresses of this scheme (lower case) itself.
bool isEngineScheme(const std::string& scheme);
// Whether the scheme (lower case) is Corvane's own: no page goes there, and the desktop never
// gets it.
bool isOwnScheme(const std::string& scheme);

// The desktop's handler entry asked about for a scheme: "x-scheme-handler/mailto".
std::string mimeType(const std::string& scheme);

// `address` in at most `limit` bytes: its beginning and end, with "…" for the middle left out,
// never cutting a character in two.
std::string shortened(const std::string& address, std::size_t limit);

// The address as a question names it: whole, up to a length no one reads.
std::string shownAddress(const std::string& address);

// The question before the address goes to `program` (empty when the desktop names none), with
// the shown address on a line of its own.
std::string question(const std::string& address, const std::string& program);

}  // namespace ExternalLink

}  // namespace corvane
