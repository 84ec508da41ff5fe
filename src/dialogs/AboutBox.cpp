#include "dialogs/AboutBox.h"

#include <utility>

#include "base/Guarded.h"

namespace corvane {

AboutBox::AboutBox(Layout& layout, PaneController& topPane, std::string siteRoot)
    : layout_(layout), topPane_(topPane), siteRoot_(std::move(siteRoot)) {}

std::string AboutBox::VersionText(int major, int minor) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor);
}

void AboutBox::lblURL_Click() {
  guarded([&] { topPane_.pane().cboAddress.SetText(siteRoot_); });
  guarded([&] { topPane_.navigation().cboAddress_Click(); });
  guarded([&] { layout_.OptionTop_Click(); });
}

}  // namespace corvane
