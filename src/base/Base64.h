#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Bytes as text that any text file holds (RFC 4648, with padding), and back.
std::string base64Encoded(std::string_view bytes);
// Nothing for text that is not base64: a stray character, a wrong length or padding.
std::optional<std::string> base64Decoded(std::string_view text);

}  // namespace corvane
