#include "reader/ReaderText.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

#include "reader/ReaderArticleParser.h"

namespace corvane {
namespace {

using Json = nlohmann::json;
using Kind = ReaderText::Line::Kind;
using Strings = std::vector<std::string>;

Json paragraph(const std::string& text) {
  return {{"type", "paragraph"}, {"content", {{{"text", text}}}}};
}
// A list of items, each an array of blocks.
Json list(bool ordered, std::vector<Json> items, int start = 1) {
  return {{"type", "list"}, {"ordered", ordered}, {"start", start}, {"items", items}};
}

ReaderArticle article(Json blocks, bool truncated = false) {
  const std::optional<ReaderArticle> read = ReaderArticleParser::parse(
      Json{{"title", "Title"}, {"byline", "By Ann"}, {"truncated", truncated}, {"blocks", blocks}}
          .dump(),
      {});
  EXPECT_TRUE(read);
  return read.value_or(ReaderArticle());
}

// Each line as "<indent><quoted ? > : ><marker> <text>", its blocks apart with "/" after it.
Strings shown(const ReaderText& text) {
  Strings lines;
  for (const ReaderText::Line& line : text.lines()) {
    std::string shown = std::string(static_cast<std::size_t>(line.indent), ' ');
    if (line.quoted) shown += "> ";
    if (!line.marker.empty()) shown += line.marker + " ";
    for (const ReaderArticle::Span& span : line.spans) shown += span.text;
    lines.push_back(shown + (line.joined ? "" : " /"));
  }
  return lines;
}

// A list says its bullets and numbers in its text, from the number it starts at, deeper lists
// with bullets of their own; an item's further blocks follow its first line, and an item that
// does not begin with words has its marker on a line of its own. Quotes, code and tables are
// laid out with them.
TEST(ReaderTextTest, WritesWhatTheEyeSeesOfListsTablesAndCodeIntoTheLines) {
  const Json blocks = {
      list(true,
           {Json::array({paragraph("one"), paragraph("more of one")}),
            Json::array(
                {list(false, {Json::array({paragraph("deep")}),
                              Json::array({list(false, {Json::array({paragraph("deeper")})})})})})},
           9),
      {{"type", "quote"},
       {"blocks", {paragraph("said"), list(false, {Json::array({paragraph("quoted")})})}}},
      {{"type", "code"}, {"text", "if (a)\n\n\treturn;"}},
      {{"type", "table"},
       {"rows", Json::array({Json::array({"Name", "Age"}), Json::array({"Ann", "41"})})}},
  };
  const ReaderText text(article(blocks, true));
  EXPECT_EQ(shown(text),
            (Strings{"Title /", "By Ann /", " 9. one /", " more of one /", " 10.  /",
                     "  \u25E6 deep /", "  \u25E6  /", "   \u25AA deeper /", " > said /",
                     "  > \u2022 quoted /", "if (a)", "", "\treturn; /", "Name | Age", "Ann | 41 /",
                     "The article goes on past what the reader view can show. /"}));
  EXPECT_EQ(text.lines().at(10).kind, Kind::Code);
  EXPECT_TRUE(text.lines().at(10).spans.at(0).code);
  EXPECT_EQ(text.lines().at(13).kind, Kind::TableRow);
  EXPECT_EQ(text.lines().back().kind, Kind::Note);
}

// Each heading of the article's list is found at its own line, whatever lies before it; a
// heading keeps its level and its text's look.
TEST(ReaderTextTest, EachHeadingIsFoundAtItsLine) {
  const Json blocks = {
      {{"type", "heading"}, {"level", 2}, {"content", {{{"text", "First"}, {"em", true}}}}},
      {{"type", "code"}, {"text", "a\nb\nc"}},
      list(false, {Json::array({paragraph("x")}), Json::array({paragraph("y")})}),
      {{"type", "heading"}, {"level", 3}, {"content", {{{"text", "Second"}}}}},
  };
  const ReaderArticle read = article(blocks);
  const ReaderText text(read);
  ASSERT_EQ(read.headings.size(), 2u);
  EXPECT_EQ(text.headingLine(0), 2u);
  EXPECT_EQ(text.headingLine(1), 8u);
  const ReaderText::Line& second = text.lines().at(text.headingLine(1));
  EXPECT_EQ(second.kind, Kind::Heading);
  EXPECT_EQ(second.level, 3);
  EXPECT_TRUE(text.lines().at(text.headingLine(0)).spans.at(0).emphasis);
}

}  // namespace
}  // namespace corvane
