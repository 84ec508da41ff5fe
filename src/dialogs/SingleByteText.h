#pragma once

#include <string>

namespace corvane {

// Text that is valid UTF-8 as it stands; anything else is taken as the single-byte Windows
// Western text (code page 1252) that older text files hold, and converted to UTF-8.
std::string ToUtf8(const std::string& text);

}  // namespace corvane
