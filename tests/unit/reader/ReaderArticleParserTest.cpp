#include "reader/ReaderArticleParser.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace corvane {
namespace {

using Json = nlohmann::json;
using Kind = ReaderArticle::Kind;

Json span(const std::string& text) { return {{"text", text}}; }
Json words(Json content) { return {{"type", "paragraph"}, {"content", std::move(content)}}; }
Json paragraph(const std::string& text) { return words(Json::array({span(text)})); }
Json rows(std::vector<std::vector<std::string>> cells) {
  Json table = Json::array();
  for (const auto& row : cells) table.push_back(Json(row));
  return {{"type", "table"}, {"rows", table}};
}

std::string answer(Json blocks, Json links = Json::array()) {
  return Json{{"title", "T"}, {"links", std::move(links)}, {"blocks", std::move(blocks)}}.dump();
}

std::optional<ReaderArticle> parse(const std::string& text, const ReaderLimits& limits = {}) {
  return ReaderArticleParser::parse(text, limits);
}

TEST(ReaderArticleParserTest, ReadsEveryKindOfBlockWithItsHeadingsAndLinks) {
  const Json links =
      Json::array({"http://a.test/one", "https://b.test/two", "file:///tmp/three.html"});
  const Json blocks = {
      {{"type", "heading"}, {"level", 2}, {"content", {span("First\npart")}}},
      words({{{"text", "Read "}},
             {{"text", "this"}, {"em", true}, {"link", 0}},
             {{"text", " now"}, {"strong", true}, {"link", 0}},
             {{"text", " and "}},
             {{"text", "x()"}, {"code", true}},
             {{"text", "A chart"}, {"image", true}},
             {{"text", "there"}, {"link", 2}}}),
      {{"type", "list"},
       {"ordered", true},
       {"start", 3},
       {"items",
        {{paragraph("one")},
         {paragraph("two"), {{"type", "list"}, {"items", {{paragraph("deep")}}}}}}}},
      {{"type", "quote"}, {"blocks", {paragraph("said")}}},
      {{"type", "code"}, {"text", "if (a)\n\treturn;"}},
      rows({{"Name", "Age"}, {"Ann", "41"}}),
      {{"type", "heading"}, {"level", 3}, {"content", {{{"text", "Second"}, {"link", 1}}}}},
  };
  const std::string text =
      Json{{"title", "The title"}, {"byline", "By Ann"}, {"lang", "en-GB"}, {"dir", "rtl"},
           {"truncated", true},    {"links", links},     {"blocks", blocks}}
          .dump();
  const std::optional<ReaderArticle> article = parse(text);
  ASSERT_TRUE(article);
  EXPECT_EQ(article->title, "The title");
  EXPECT_EQ(article->byline, "By Ann");
  EXPECT_EQ(article->language, "en-GB");
  EXPECT_TRUE(article->rightToLeft);
  EXPECT_TRUE(article->truncated);
  ASSERT_EQ(article->blocks.size(), 7u);

  const ReaderArticle::Block& words = article->blocks[1];
  ASSERT_EQ(words.spans.size(), 7u);
  EXPECT_TRUE(words.spans[1].emphasis);
  EXPECT_TRUE(words.spans[2].strong);
  EXPECT_TRUE(words.spans[4].code);
  EXPECT_TRUE(words.spans[5].image);
  EXPECT_EQ(words.spans[5].text, "A chart");
  // The article numbers its links in the order the text meets them.
  EXPECT_EQ(words.spans[1].link, 0);
  EXPECT_EQ(words.spans[2].link, 0);
  EXPECT_EQ(words.spans[3].link, -1);
  EXPECT_EQ(words.spans[6].link, 1);

  const ReaderArticle::Block& list = article->blocks[2];
  EXPECT_EQ(list.kind, Kind::List);
  EXPECT_TRUE(list.ordered);
  EXPECT_EQ(list.start, 3);
  ASSERT_EQ(list.items.size(), 2u);
  ASSERT_EQ(list.items[1].size(), 2u);
  EXPECT_EQ(list.items[1][1].kind, Kind::List);
  EXPECT_FALSE(list.items[1][1].ordered);
  EXPECT_EQ(list.items[1][1].items[0][0].spans[0].text, "deep");
  EXPECT_EQ(article->blocks[3].kind, Kind::Quote);
  EXPECT_EQ(article->blocks[3].blocks[0].spans[0].text, "said");
  EXPECT_EQ(article->blocks[4].text, "if (a)\n\treturn;");
  EXPECT_EQ(article->blocks[5].rows,
            (std::vector<std::vector<std::string>>{{"Name", "Age"}, {"Ann", "41"}}));

  ASSERT_EQ(article->headings.size(), 2u);
  EXPECT_EQ(article->headings[0].text, "First part");
  EXPECT_EQ(article->headings[0].level, 2);
  EXPECT_EQ(article->headings[0].block, 0u);
  EXPECT_EQ(article->headings[1].text, "Second");
  EXPECT_EQ(article->headings[1].block, 6u);

  ASSERT_EQ(article->links.size(), 3u);
  EXPECT_EQ(article->links[0].text, "this now");
  EXPECT_EQ(article->links[0].address, "http://a.test/one");
  EXPECT_EQ(article->links[1].address, "file:///tmp/three.html");
  EXPECT_EQ(article->links[2].text, "Second");
  EXPECT_EQ(article->links[2].address, "https://b.test/two");
}

TEST(ReaderArticleParserTest, OnlyAbsoluteWebAndFileAddressesStayLinks) {
  const struct {
    std::string address;
    bool link;
  } cases[] = {
      {"http://a.test/x?y=1#z", true},
      {"HTTPS://A.test/", true},
      {"file:///home/ann/a.html", true},
      {"javascript:alert(1)", false},
      {"JaVaScRiPt:alert(1)", false},
      {"data:text/html,<script>alert(1)</script>", false},
      {"vbscript:x", false},
      {"ftp://a.test/", false},
      {"about:blank", false},
      {"//a.test/x", false},
      {"/x.html", false},
      {"x.html", false},
      {"http:///x", false},
      {"http://", false},
      {"file://host/x", false},
      {"http://a.test/a b", false},
      {"http://a.test/\x01", false},
      {"http://a.test/\nx", false},
      {"http://a.test/" + std::string(5000, 'a'), false},
  };
  for (const auto& c : cases) {
    const auto article =
        parse(answer({words({{{"text", "go"}, {"link", 0}}})}, Json::array({c.address})));
    ASSERT_TRUE(article) << c.address;
    const ReaderArticle::Span& go = article->blocks[0].spans[0];
    EXPECT_EQ(go.text, "go") << c.address;
    EXPECT_EQ(go.link, c.link ? 0 : -1) << c.address;
    EXPECT_EQ(article->links.size(), c.link ? 1u : 0u) << c.address;
  }
  // A link without text is listed by its address, and one with nothing to show is not listed.
  const auto article = parse(answer(
      {words({{{"text", " \n "}, {"link", 0}}, {{"text", ""}, {"link", 1}}, {{"text", "end"}}})},
      Json::array({"http://a.test/", "http://b.test/"})));
  ASSERT_TRUE(article);
  ASSERT_EQ(article->links.size(), 1u);
  EXPECT_EQ(article->links[0].text, "http://a.test/");
}

TEST(ReaderArticleParserTest, AnAnswerThatBreaksAnyRuleGivesNoArticle) {
  const std::string ok = answer({paragraph("text")});
  ASSERT_TRUE(parse(ok));
  const std::string cases[] = {
      "",
      "not json",
      ok + " trailing",
      "[]",
      "{}",
      R"({"refused":"size"})",
      R"({"refused":"no article","blocks":[{"type":"paragraph","content":[{"text":"x"}]}]})",
      answer(Json::array()),
      answer({paragraph(" ")}),  // nothing but blanks: no text to show
      answer(Json::object()),
      answer({"text"}),
      answer({{{"type", "script"}, {"text", "alert(1)"}}}),
      answer({{{"type", "paragraph"}}}),
      answer({{{"type", "paragraph"}, {"content", "text"}}}),
      answer({words(Json::array({"text"}))}),
      answer({words({{{"text", 5}}})}),
      answer({words({{{"text", "x"}, {"em", "yes"}}})}),
      answer({words({{{"text", "x"}, {"link", 0}}})}),
      answer({words({{{"text", "x"}, {"link", -1}}})}, Json::array({"http://a.test/"})),
      answer({words({{{"text", "x"}, {"link", "0"}}})}, Json::array({"http://a.test/"})),
      answer({words({{{"text", "x"}, {"link", 0.5}}})}, Json::array({"http://a.test/"})),
      answer({paragraph("x")}, Json::array({5})),
      answer({{{"type", "heading"}, {"level", 0}, {"content", {span("h")}}}}),
      answer({{{"type", "heading"}, {"level", 7}, {"content", {span("h")}}}}),
      answer({{{"type", "heading"}, {"level", "2"}, {"content", {span("h")}}}}),
      answer({{{"type", "heading"}, {"level", 2.5}, {"content", {span("h")}}}}),
      // Headings stand at the top only: the headings list points into the top-level blocks.
      answer({{{"type", "quote"},
               {"blocks", {{{"type", "heading"}, {"level", 2}, {"content", {span("h")}}}}}}}),
      answer({{{"type", "code"}}}),
      answer({{{"type", "code"}, {"text", Json::array()}}}),
      answer({{{"type", "list"}, {"items", {paragraph("x")}}}}),
      answer({{{"type", "list"}, {"items", {{paragraph("x")}}}, {"start", 10000000}}}),
      answer({{{"type", "list"}, {"items", {{paragraph("x")}}}, {"ordered", 1}}}),
      answer({{{"type", "table"}, {"rows", Json::array({"a", "b"})}}}),
      answer({{{"type", "table"}, {"rows", Json::array({Json::array({1, 2})})}}}),
      R"({"title":5,"blocks":[{"type":"paragraph","content":[{"text":"x"}]}]})",
      R"({"truncated":"no","blocks":[{"type":"paragraph","content":[{"text":"x"}]}]})",
      R"({"links":{},"blocks":[{"type":"paragraph","content":[{"text":"x"}]}]})",
      // Neither bytes that are not UTF-8 nor half of a surrogate pair.
      "{\"blocks\":[{\"type\":\"paragraph\",\"content\":[{\"text\":\"\xff\xfe\"}]}]}",
      R"({"blocks":[{"type":"paragraph","content":[{"text":"\ud800"}]}]})",
  };
  for (const std::string& text : cases) EXPECT_FALSE(parse(text)) << text;
}

TEST(ReaderArticleParserTest, AnswersPastTheLimitsAreRefusedWhole) {
  ReaderLimits limits;
  limits.maxBlocks = 4;
  limits.maxText = 6;
  limits.maxDepth = 2;
  // Characters are counted, not bytes: the script counts its text so.
  EXPECT_TRUE(parse(answer({paragraph("\u00e9\u00e9\u00e9"), paragraph("abc")}), limits));
  EXPECT_FALSE(parse(answer({paragraph("abcd"), paragraph("abc")}), limits));
  // A link's address counts as text.
  EXPECT_FALSE(parse(answer({paragraph("a")}, Json::array({"http://a.test/"})), limits));
  // Items and rows count as blocks.
  EXPECT_TRUE(parse(answer({{{"type", "list"}, {"items", {{paragraph("a")}}}}}), limits));
  EXPECT_FALSE(
      parse(answer({{{"type", "list"}, {"items", {{paragraph("a")}, {paragraph("b")}}}}}), limits));
  EXPECT_FALSE(parse(answer({rows({{"a"}, {"b"}, {"c"}, {"d"}})}), limits));

  const Json inner = {{"type", "quote"}, {"blocks", {paragraph("a")}}};
  EXPECT_TRUE(parse(answer({{{"type", "quote"}, {"blocks", {inner}}}}), limits));
  EXPECT_FALSE(
      parse(answer({{{"type", "quote"}, {"blocks", {{{"type", "quote"}, {"blocks", {inner}}}}}}}),
            limits));

  limits = ReaderLimits();
  limits.maxAnswerBytes = 64;
  EXPECT_FALSE(parse(answer({paragraph(std::string(64, 'a'))}), limits));
  // Nesting far past anything the script writes is refused, not followed down.
  const std::string deep = std::string(200000, '[') + std::string(200000, ']');
  EXPECT_FALSE(parse(R"({"blocks":)" + deep + "}"));
}

TEST(ReaderArticleParserTest, TextKeepsNoControlCharactersAndTitlesAreCut) {
  ReaderLimits limits;
  limits.maxTitle = 3;
  const std::string text = Json{{"title", "\u00e9t\u00e9s\u00e9"},
                                {"byline", "By\n\u0007Ann"},
                                {"lang", "en\"><script>"},
                                {"blocks",
                                 {paragraph("one\nline\u0007\u001b[31m\ttab"),
                                  {{"type", "code"}, {"text", std::string("\ta\0b\n", 5)}}}}}
                               .dump();
  const auto article = parse(text, limits);
  ASSERT_TRUE(article);
  EXPECT_EQ(article->title, "\u00e9t\u00e9");
  EXPECT_EQ(article->byline, "By");
  EXPECT_EQ(article->language, "");
  EXPECT_EQ(article->blocks[0].spans[0].text, "one\nline[31mtab");
  EXPECT_EQ(article->blocks[1].text, "\tab\n");
}

}  // namespace
}  // namespace corvane
