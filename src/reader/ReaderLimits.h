#pragma once

#include <cstddef>

namespace corvane {

// How much of a page the reader view reads, how much of an article it hands over, and how long
// it waits. The extraction script gets the same numbers, so the article it hands over fits; an
// answer past them is refused rather than shown in part. Text is counted in characters.
struct ReaderLimits {
  // A document with more elements or more text is refused before it is read.
  int maxElements = 150000;
  int maxDocumentText = 8000000;
  // The article: its blocks (a paragraph, heading, code block, list item, table row, ...), its
  // text and links' addresses, and how deep lists and quotes lie within each other (deeper
  // ones give their blocks to their parent).
  int maxBlocks = 20000;
  int maxText = 3000000;
  int maxDepth = 8;
  // A link with a longer address is text; a longer title or byline is cut.
  int maxAddress = 4096;
  int maxTitle = 1000;
  // The script gives up after timeMs between its steps; its caller gives up after deadlineMs,
  // whether the page's renderer answers or not.
  int timeMs = 4000;
  int deadlineMs = 5000;
  // The whole answer, in bytes of UTF-8.
  std::size_t maxAnswerBytes = 16 * 1024 * 1024;
};

}  // namespace corvane
