#include "browser/SitePermissions.h"

#include "browser/WebOrigin.h"

namespace corvane {

namespace {

// The origin an answer is kept under; none for an address whose origin is opaque, which every
// such page would share.
std::optional<std::string> keyOf(const std::string& address) {
  std::string origin = webOrigin(address);
  if (origin == "null") return std::nullopt;
  return origin;
}

}  // namespace

std::optional<bool> SitePermissions::answer(const std::string& address,
                                            const std::string& feature) const {
  const auto origin = keyOf(address);
  if (!origin) return std::nullopt;
  const auto found = answers_.find({*origin, feature});
  if (found == answers_.end()) return std::nullopt;
  return found->second;
}

void SitePermissions::remember(const std::string& address, const std::string& feature,
                               bool allowed) {
  if (const auto origin = keyOf(address)) answers_[{*origin, feature}] = allowed;
}

}  // namespace corvane
