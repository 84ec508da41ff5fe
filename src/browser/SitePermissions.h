#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace corvane {

// The user's answers to the pages' requests for a feature (location, camera, pop-ups, ...), by
// origin and feature, for as long as the program runs: a site asks once for each feature,
// whichever pane it is in and whatever its page's path or query. The origin is the address's
// scheme, host and port (webOrigin); an address without an origin of its own (about:, data:)
// has no answer kept. Nothing is written down.
class SitePermissions {
 public:
  // The answer given for the origin of `address` and the feature, if any.
  std::optional<bool> answer(const std::string& address, const std::string& feature) const;
  void remember(const std::string& address, const std::string& feature, bool allowed);

 private:
  std::map<std::pair<std::string, std::string>, bool> answers_;
};

}  // namespace corvane
