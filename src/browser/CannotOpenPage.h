#pragma once

#include <string>

#include "browser/AddressInput.h"

namespace corvane {

// Corvane's own page for an address it will not open: it names the address as typed, says why
// it cannot be opened and what would work. Plain HTML without scripts or outside resources, so
// that it shows the same whatever the engine's settings.
class CannotOpenPage {
 public:
  CannotOpenPage(std::string typed, AddressInput::Refusal why, std::string scheme = {});

  // "Cannot open <typed>": the page's title, and so the pane's "Page Title:".
  std::string title() const;
  std::string html() const;

 private:
  std::string reason() const;
  std::string advice() const;

  std::string typed_;
  AddressInput::Refusal why_;
  std::string scheme_;
};

}  // namespace corvane
