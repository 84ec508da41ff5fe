#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvane {

// Said in the pane's status line when a page has no article the reader view can show, or the
// article could not be had within the limits.
inline constexpr const char* kReaderNotAvailable = "Reader view is not available for this page";

// A page's article as the reader view shows it: text in a few kinds of blocks, links whose
// addresses are absolute web or file addresses, and nothing of the page's markup. All text is
// UTF-8 without control characters (but line breaks, and tabs in code).
struct ReaderArticle {
  // A run of text with one look. An image is its alternative text.
  struct Span {
    std::string text;
    bool emphasis = false;
    bool strong = false;
    bool code = false;
    bool image = false;
    // Index into links; -1 when the span is not part of a link.
    int link = -1;
  };

  enum class Kind { Heading, Paragraph, List, Quote, Code, Table };

  struct Block {
    Kind kind = Kind::Paragraph;
    // Heading: 1 to 6.
    int level = 0;
    // List: numbered or not, and the first item's number.
    bool ordered = false;
    int start = 1;
    // Heading, Paragraph.
    std::vector<Span> spans;
    // Code: its lines as written.
    std::string text;
    // Quote: what it quotes.
    std::vector<Block> blocks;
    // List: each item's blocks.
    std::vector<std::vector<Block>> items;
    // Table: each row's cells' text.
    std::vector<std::vector<std::string>> rows;
  };

  // Headings stand only among the top-level blocks; block is the index into blocks.
  struct Heading {
    std::string text;
    int level = 0;
    std::size_t block = 0;
  };

  // A link, in the order of the text; its text is that of its spans (its address when it has
  // none).
  struct Link {
    std::string text;
    std::string address;
  };

  std::string title;
  std::string byline;
  // The article's language tag ("en-GB"), empty when unknown; right to left or not.
  std::string language;
  bool rightToLeft = false;
  // The article went on past the limits; what is here is its beginning.
  bool truncated = false;
  std::vector<Block> blocks;
  std::vector<Heading> headings;
  std::vector<Link> links;
};

}  // namespace corvane
