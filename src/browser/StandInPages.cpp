#include "browser/StandInPages.h"

#include "browser/StandInTitle.h"

namespace corvane {

namespace {

// Stand-ins are data addresses: nothing a page links to elsewhere can be one.
bool isData(const std::string& address) { return address.rfind("data:", 0) == 0; }

}  // namespace

StandInPages::StandInPages(std::string buttonBase) : buttonBase_(std::move(buttonBase)) {}

void StandInPages::addCannotOpen(const std::string& page, const std::string& typed) {
  cannotOpen_[page] = typed;
}

void StandInPages::addFile(const std::string& page, const std::string& fileAddress) {
  files_[page] = fileAddress;
}

std::string StandInPages::nextButton() const {
  return buttonBase_ + std::to_string(buttons_.size());
}

void StandInPages::addButton(const std::string& button, const std::string& page,
                             const std::string& path) {
  buttons_[button] = {page, path};
}

std::string StandInPages::reported(const std::string& address) const {
  if (!isData(address)) return address;
  if (const auto typed = cannotOpen_.find(address); typed != cannotOpen_.end()) {
    return typed->second;
  }
  if (const auto file = files_.find(address); file != files_.end()) return file->second;
  return address;
}

bool StandInPages::isCannotOpen(const std::string& address) const {
  return isData(address) && cannotOpen_.count(address) > 0;
}

std::string StandInPages::title(const std::string& title, const std::string& address) const {
  // The engine names a "cannot open" page after its own long address until the page's title
  // arrives.
  if (isCannotOpen(address) && isStandInTitle(title, address)) return {};
  if (isData(address) && files_.count(address) > 0) return {};
  return title;
}

bool StandInPages::isButton(const std::string& address) const {
  return buttons_.count(address) > 0;
}

std::optional<std::string> StandInPages::buttonFile(const std::string& address,
                                                    const std::string& from) const {
  const auto button = buttons_.find(address);
  if (button == buttons_.end() || button->second.first != from) return std::nullopt;
  return button->second.second;
}

}  // namespace corvane
