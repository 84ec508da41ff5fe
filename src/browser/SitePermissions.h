#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace corvane {

// The user's answers to the pages' requests for a feature (location, camera, ...), by site and
// feature, for as long as the program runs: a site asks once for each feature, whichever pane
// it is in. Nothing is written down.
class SitePermissions {
 public:
  // The answer given for the site and feature, if any.
  std::optional<bool> answer(const std::string& site, const std::string& feature) const;
  void remember(const std::string& site, const std::string& feature, bool allowed);

 private:
  std::map<std::pair<std::string, std::string>, bool> answers_;
};

}  // namespace corvane
