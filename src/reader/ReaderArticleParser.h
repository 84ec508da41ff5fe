#pragma once

#include <optional>
#include <string>

#include "reader/ReaderArticle.h"
#include "reader/ReaderLimits.h"

namespace corvane {

// Reads the extraction script's answer (extract-article.js describes it). The answer comes
// from a page's renderer and is taken for hostile: every field is checked for its type and
// range, and an answer that breaks any rule or limit, or holds no text, gives no article.
// A link whose address is not an absolute http, https or file address becomes plain text.
class ReaderArticleParser {
 public:
  static std::optional<ReaderArticle> parse(const std::string& answer, const ReaderLimits& limits);
};

}  // namespace corvane
