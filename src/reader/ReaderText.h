#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "reader/ReaderArticle.h"

namespace corvane {

// An article as the reader view's text shows it: a column of lines, each a paragraph of the text
// view, in reading order. What the eye takes from a list's bullets and numbers, from a table's
// grid or from code's line breaks is written into the lines as text, so that a screen reader
// that reads the view line by line says it too: a list item begins with its marker ("•", "3."),
// a table is a line for each row with its cells apart, code is a line for each of its lines.
class ReaderText {
 public:
  struct Line {
    enum class Kind { Title, Byline, Heading, Paragraph, ListItem, Code, TableRow, Note };
    Kind kind = Kind::Paragraph;
    // Heading: 1 to 6.
    int level = 0;
    // How deep the line lies in lists and quotes; 0 at the top.
    int indent = 0;
    bool quoted = false;
    // ListItem: the item's bullet or number, on its first line only.
    std::string marker;
    std::vector<ReaderArticle::Span> spans;
    // The next line belongs to the same block (a code block's or a table's lines): no space
    // between them.
    bool joined = false;
  };

  // Between a table row's cells.
  static constexpr const char* kCellSeparator = " | ";

  explicit ReaderText(const ReaderArticle& article);

  const std::vector<Line>& lines() const { return lines_; }
  // The line of the article's heading `heading` (an index into its headings).
  std::size_t headingLine(std::size_t heading) const { return headingLines_.at(heading); }

 private:
  struct Place {
    int indent = 0;
    bool quoted = false;
    // How many lists hold it: a list's bullet goes by it.
    int lists = 0;
  };

  void addBlocks(const std::vector<ReaderArticle::Block>& blocks, Place place);
  void addBlock(const ReaderArticle::Block& block, Place place);
  void addList(const ReaderArticle::Block& list, Place place);
  void addPlain(Line::Kind kind, const std::string& text, Place place, bool joined);
  Line& add(Line::Kind kind, Place place);

  std::vector<Line> lines_;
  std::vector<std::size_t> headingLines_;
};

}  // namespace corvane
