#include "browser/AddressSearch.h"

#include <utility>

#include "base/Guarded.h"

namespace corvane {

AddressSearch::AddressSearch(AddressInput::Context context,
                             std::function<std::string()> searchTemplate)
    : context_(std::move(context)), searchTemplate_(std::move(searchTemplate)) {}

AddressInput AddressSearch::Read(const std::string& typed) const {
  AddressInput::Context context = context_;
  // Settings that cannot be read leave the address box as it was before search: words refused.
  if (searchTemplate_) guarded([&] { context.searchTemplate = searchTemplate_(); });
  return AddressInput::parse(typed, context);
}

std::string AddressSearch::NavigationAddress(const std::string& typed) const {
  const AddressInput input = Read(typed);
  return input.verdict() == AddressInput::Verdict::Search ? input.address() : typed;
}

}  // namespace corvane
