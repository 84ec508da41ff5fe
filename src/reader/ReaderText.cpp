#include "reader/ReaderText.h"

#include <algorithm>
#include <utility>

namespace corvane {

namespace {

using Block = ReaderArticle::Block;
using Kind = ReaderArticle::Kind;

// A list's bullet by how many lists hold it, as browsers draw them.
const char* const kBullets[] = {"\u2022", "\u25E6", "\u25AA"};

// Said where the article was cut at the limits.
const char kCutNote[] = "The article goes on past what the reader view can show.";

ReaderArticle::Span plain(std::string text, bool code = false) {
  ReaderArticle::Span span;
  span.text = std::move(text);
  span.code = code;
  return span;
}

}  // namespace

ReaderText::ReaderText(const ReaderArticle& article) {
  if (!article.title.empty()) add(Line::Kind::Title, {}).spans.push_back(plain(article.title));
  if (!article.byline.empty()) add(Line::Kind::Byline, {}).spans.push_back(plain(article.byline));
  std::vector<std::size_t> blockLines;
  blockLines.reserve(article.blocks.size());
  for (const Block& block : article.blocks) {
    blockLines.push_back(lines_.size());
    addBlock(block, {});
  }
  for (const ReaderArticle::Heading& heading : article.headings) {
    headingLines_.push_back(blockLines.at(heading.block));
  }
  if (article.truncated) addPlain(Line::Kind::Note, kCutNote, {}, false);
}

void ReaderText::addBlocks(const std::vector<Block>& blocks, Place place) {
  for (const Block& block : blocks) addBlock(block, place);
}

void ReaderText::addBlock(const Block& block, Place place) {
  switch (block.kind) {
    case Kind::Heading: {
      Line& line = add(Line::Kind::Heading, place);
      line.level = block.level;
      line.spans = block.spans;
      break;
    }
    case Kind::Paragraph:
      add(Line::Kind::Paragraph, place).spans = block.spans;
      break;
    case Kind::Code: {
      std::size_t start = 0;
      for (std::size_t end = block.text.find('\n'); end != std::string::npos;
           start = end + 1, end = block.text.find('\n', start)) {
        addPlain(Line::Kind::Code, block.text.substr(start, end - start), place, true);
      }
      addPlain(Line::Kind::Code, block.text.substr(start), place, false);
      break;
    }
    case Kind::Table:
      for (std::size_t row = 0; row < block.rows.size(); ++row) {
        std::string text;
        for (const std::string& cell : block.rows[row]) {
          text += (text.empty() ? "" : kCellSeparator) + cell;
        }
        addPlain(Line::Kind::TableRow, text, place, row + 1 < block.rows.size());
      }
      break;
    case Kind::Quote:
      addBlocks(block.blocks, {place.indent + 1, true, place.lists});
      break;
    case Kind::List:
      addList(block, place);
      break;
  }
}

void ReaderText::addList(const Block& list, Place place) {
  const Place inner{place.indent + 1, place.quoted, place.lists + 1};
  int number = list.start;
  for (const std::vector<Block>& item : list.items) {
    Line& first = add(Line::Kind::ListItem, inner);
    first.marker =
        list.ordered ? std::to_string(number++) + "." : kBullets[std::min(place.lists, 2)];
    // The marker begins the item's first paragraph; an item that begins otherwise (a list, a
    // table, code) has a line of its own for it.
    auto rest = item.begin();
    if (rest != item.end() && rest->kind == Kind::Paragraph) {
      first.spans = rest->spans;
      ++rest;
    }
    for (; rest != item.end(); ++rest) addBlock(*rest, inner);
  }
}

void ReaderText::addPlain(Line::Kind kind, const std::string& text, Place place, bool joined) {
  Line& line = add(kind, place);
  line.spans.push_back(plain(text, kind == Line::Kind::Code));
  line.joined = joined;
}

ReaderText::Line& ReaderText::add(Line::Kind kind, Place place) {
  Line& line = lines_.emplace_back();
  line.kind = kind;
  line.indent = place.indent;
  line.quoted = place.quoted;
  return line;
}

}  // namespace corvane
