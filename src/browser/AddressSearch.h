#pragma once

#include <functional>
#include <string>

#include "browser/AddressInput.h"

namespace corvane {

// What a pane's navigation entry hands its browser control for the text of its address box:
// words go to the chosen search engine's address, anything else goes as typed, since the
// control reads addresses itself and shows why it refuses one.
class AddressSearch {
 public:
  // context: the rule's inputs but the engine; searchTemplate: the engine chosen now (the user
  // may change it while Corvane runs), "" for none.
  AddressSearch(AddressInput::Context context, std::function<std::string()> searchTemplate);
  AddressSearch(const AddressSearch&) = delete;
  AddressSearch& operator=(const AddressSearch&) = delete;

  // The search address for words; the typed text itself for everything else.
  std::string NavigationAddress(const std::string& typed) const;
  // The typed text read by the rule with the engine chosen now.
  AddressInput Read(const std::string& typed) const;
  // The chosen engine's address for these words, whatever they are; "" when none is chosen.
  std::string SearchAddressFor(const std::string& words) const;

 private:
  std::string searchTemplate() const;

  AddressInput::Context context_;
  std::function<std::string()> searchTemplate_;
};

}  // namespace corvane
