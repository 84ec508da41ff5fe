#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// What the downloads window says of one download, and where it proposes to save one.
namespace DownloadStatus {

enum class State { InProgress, Done, Cancelled, Failed };

// "1.2 MB", "340 KB", "12 bytes".
std::string size(int64_t bytes);

// The line under a download's name: how far it has come (`total` is negative or 0 when the
// server did not say), that it is done and where, that it was cancelled, or why it failed.
std::string text(State state, int64_t received, int64_t total, const std::string& folder,
                 const std::string& reason);

// The user's download folder joined with the name the site suggests, reduced to a plain file
// name without control characters or leading dots; a site that suggests none gets "download".
std::string proposedPath(const std::string& folder, const std::string& suggested);

}  // namespace DownloadStatus

}  // namespace corvane
