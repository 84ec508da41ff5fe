#pragma once

#include <string>

namespace bench {

// A reference manual of about 2 MB as documentation sites serve them: a table of contents of
// links beside the text, and chapters of headings, prose with inline code and links, examples,
// option tables and lists.
std::string documentationPage();

}  // namespace bench
