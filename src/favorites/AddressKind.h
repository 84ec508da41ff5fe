#pragma once

#include <string>

namespace corvane {

// What a bookmark's address is, as far as an import goes: only web and file addresses that
// stand on their own become favorites.
enum class AddressKind {
  // http://, https:// or file: with a path.
  Web,
  Empty,
  // No scheme of its own: it means something only beside the page it came from.
  Relative,
  // "#..." alone: a place within the page it came from.
  InPage,
  // javascript:
  Script,
  // data:
  Data,
  // A browser's own pages and queries: about:, chrome:, edge:, place:, ...
  BrowserPage,
  // Any other scheme: mailto:, ftp:, ...
  Other,
};

// The kind of address, blanks and line breaks around it ignored, case ignored in the scheme.
AddressKind KindOfAddress(const std::string& address);

}  // namespace corvane
