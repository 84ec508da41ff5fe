#pragma once

namespace corvane {

// The picture keys of the favorites tree; the window maps each to a 16 x 16 picture.
inline constexpr const char kClosedFolderImage[] = "ClosedFolder";
inline constexpr const char kOpenFolderImage[] = "OpenFolder";
// A shortcut with an address.
inline constexpr const char kLocalDocImage[] = "LocalDoc";
// A shortcut without an address, or an empty folder.
inline constexpr const char kBadLinkImage[] = "BadLink";

}  // namespace corvane
