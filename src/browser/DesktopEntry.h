#pragma once

#include <string>

namespace corvane {

// The desktop's description of an application (a ".desktop" file), as xdg-mime names it.
namespace DesktopEntry {

// The application's name from the file's text ("Name=" of its "[Desktop Entry]" group, not a
// translation); empty when it has none.
std::string name(const std::string& entryText);

}  // namespace DesktopEntry

}  // namespace corvane
