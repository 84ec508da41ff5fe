#pragma once

namespace corvane {

// The picture keys of the favorites tree; the window maps each to a 16 x 16 picture.
inline constexpr const char kClosedFolderImage[] = "ClosedFolder";
inline constexpr const char kOpenFolderImage[] = "OpenFolder";
// A shortcut with an address.
inline constexpr const char kLocalDocImage[] = "LocalDoc";
// A shortcut without an address, or an empty folder.
inline constexpr const char kBadLinkImage[] = "BadLink";

// What each node of the favorites tree is, as a screen reader says it; the pictures alone tell
// an empty folder from a broken favorite only to the eye, and not even there.
inline constexpr const char kFolderKind[] = "Folder";
inline constexpr const char kEmptyFolderKind[] = "Empty folder";
inline constexpr const char kFavoriteKind[] = "Favorite";
inline constexpr const char kBrokenFavoriteKind[] = "Favorite without an address";

}  // namespace corvane
