#include "browser/DownloadStatus.h"

#include <cstdio>
#include <filesystem>

namespace corvane {

namespace DownloadStatus {

std::string size(int64_t bytes) {
  constexpr double kKilo = 1024.0;
  char text[32];
  if (bytes < kKilo) {
    std::snprintf(text, sizeof text, "%lld byte%s", static_cast<long long>(bytes),
                  bytes == 1 ? "" : "s");
  } else if (bytes < kKilo * kKilo) {
    std::snprintf(text, sizeof text, "%.0f KB", static_cast<double>(bytes) / kKilo);
  } else if (bytes < kKilo * kKilo * kKilo) {
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (kKilo * kKilo));
  } else {
    std::snprintf(text, sizeof text, "%.1f GB",
                  static_cast<double>(bytes) / (kKilo * kKilo * kKilo));
  }
  return text;
}

std::string text(State state, int64_t received, int64_t total, const std::string& folder,
                 const std::string& reason) {
  switch (state) {
    case State::InProgress:
      if (total > 0) {
        return std::to_string(received * 100 / total) + "% of " + size(total) + " received";
      }
      return size(received) + " received";
    case State::Done:
      return "Done: " + size(received) + " saved in " + folder;
    case State::Cancelled:
      return "Cancelled";
    case State::Failed:
      return "Failed: " + (reason.empty() ? std::string("the download was interrupted") : reason);
  }
  return {};
}

std::string proposedPath(const std::string& folder, const std::string& suggested) {
  // Only the last part: a suggested name must not lead out of the folder.
  std::string name;
  for (const char c : std::filesystem::path(suggested).filename().string()) {
    // Control characters would show as nothing, or as terminal commands when the name is listed.
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) name += c;
  }
  // A hidden file is not what the user asked for.
  name.erase(0, name.find_first_not_of(". "));
  if (name.empty()) name = "download";
  return (std::filesystem::path(folder) / name).string();
}

}  // namespace DownloadStatus

}  // namespace corvane
