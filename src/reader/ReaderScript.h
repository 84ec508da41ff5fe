#pragma once

#include <string>

#include "reader/ReaderLimits.h"

namespace corvane {

// The program the reader's script world runs: the article finder's library (Readability.js and
// Readability-readerable.js, as the package ships them) and the extraction script, all inside
// one function so that nothing stays behind in the world, the extraction called with `limits`.
// Its value is the extraction's answer.
std::string readerScript(const std::string& readability, const std::string& readerable,
                         const std::string& extraction, const ReaderLimits& limits);

}  // namespace corvane
