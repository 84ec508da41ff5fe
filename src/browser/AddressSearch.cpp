#include "browser/AddressSearch.h"

#include <utility>

#include "base/Guarded.h"
#include "browser/SearchEngines.h"

namespace corvane {

AddressSearch::AddressSearch(AddressInput::Context context,
                             std::function<std::string()> searchTemplate)
    : context_(std::move(context)), searchTemplate_(std::move(searchTemplate)) {}

std::string AddressSearch::searchTemplate() const {
  std::string chosen;
  // Settings that cannot be read leave the address box as it was before search: words refused.
  if (searchTemplate_) guarded([&] { chosen = searchTemplate_(); });
  return chosen;
}

AddressInput AddressSearch::Read(const std::string& typed) const {
  AddressInput::Context context = context_;
  context.searchTemplate = searchTemplate();
  return AddressInput::parse(typed, context);
}

std::string AddressSearch::SearchAddressFor(const std::string& words) const {
  const std::string chosen = searchTemplate();
  return chosen.empty() ? std::string() : SearchEngines::SearchAddress(chosen, words);
}

std::string AddressSearch::NavigationAddress(const std::string& typed) const {
  const AddressInput input = Read(typed);
  return input.verdict() == AddressInput::Verdict::Search ? input.address() : typed;
}

}  // namespace corvane
