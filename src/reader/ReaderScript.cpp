#include "reader/ReaderScript.h"

#include <nlohmann/json.hpp>

namespace corvane {

std::string readerScript(const std::string& readability, const std::string& readerable,
                         const std::string& extraction, const ReaderLimits& limits) {
  const nlohmann::json numbers = {
      {"maxElements", limits.maxElements}, {"maxDocumentText", limits.maxDocumentText},
      {"maxBlocks", limits.maxBlocks},     {"maxText", limits.maxText},
      {"maxDepth", limits.maxDepth},       {"maxAddress", limits.maxAddress},
      {"maxTitle", limits.maxTitle},       {"timeMs", limits.timeMs},
  };
  // Line breaks around each part: a part may end in a line comment.
  return "(function () {\n" + readability + "\n;\n" + readerable + "\n;\nreturn (\n" + extraction +
         "\n)(Readability, isProbablyReaderable, " + numbers.dump() + ");\n})()";
}

}  // namespace corvane
