#include "browser/SitePermissions.h"

namespace corvane {

std::optional<bool> SitePermissions::answer(const std::string& site,
                                            const std::string& feature) const {
  const auto found = answers_.find({site, feature});
  if (found == answers_.end()) return std::nullopt;
  return found->second;
}

void SitePermissions::remember(const std::string& site, const std::string& feature, bool allowed) {
  answers_[{site, feature}] = allowed;
}

}  // namespace corvane
