#include "reader/ReaderArticleParser.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <exception>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/AsciiText.h"

namespace corvane {

namespace {

using Json = nlohmann::json;
using Block = ReaderArticle::Block;
using Kind = ReaderArticle::Kind;
using Span = ReaderArticle::Span;

// Thrown where the answer breaks a rule or a limit: the whole answer is refused.
struct Refused {};

void require(bool rule) {
  if (!rule) throw Refused{};
}

// The script counts UTF-16 units; code points are never more.
std::size_t characters(const std::string& text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

std::string withoutControls(const std::string& text, bool tabs) {
  std::string kept;
  kept.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool control = byte < 0x20 || byte == 0x7F;
    if (!control || c == '\n' || (tabs && c == '\t')) kept += c;
  }
  return kept;
}

// Line breaks of a paragraph become blanks in a list of headings or links.
std::string oneLine(const std::string& text) {
  std::string line;
  for (const char c : text) {
    const char blank = isAsciiSpace(c) ? ' ' : c;
    if (blank == ' ' && (line.empty() || line.back() == ' ')) continue;
    line += blank;
  }
  if (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

bool isLanguageTag(const std::string& tag) {
  if (tag.empty() || tag.size() > 35) return false;
  for (const char c : tag) {
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!alnum && c != '-') return false;
  }
  return true;
}

// An absolute web or file address with a place after its scheme, and nothing a line or a
// terminal could take for something else.
bool isFollowable(const std::string& address, const ReaderLimits& limits) {
  if (address.size() > static_cast<std::size_t>(limits.maxAddress)) return false;
  for (const char c : address) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == 0x7F) return false;
  }
  for (const char* scheme : {"http://", "https://"}) {
    if (startsWithNoCase(address, scheme)) {
      const std::string rest = address.substr(std::char_traits<char>::length(scheme));
      return !rest.empty() && rest.front() != '/';
    }
  }
  return startsWithNoCase(address, "file:///");
}

class AnswerReader {
 public:
  explicit AnswerReader(const ReaderLimits& limits) : limits_(limits) {}

  ReaderArticle read(const Json& root) {
    require(root.is_object());
    require(!root.contains("refused"));
    article_.title = oneLine(cut(string(root, "title")));
    article_.byline = oneLine(cut(string(root, "byline")));
    const std::string language = string(root, "lang");
    if (isLanguageTag(language)) article_.language = language;
    article_.rightToLeft = string(root, "dir") == "rtl";
    article_.truncated = flag(root, "truncated");
    readAddresses(root);
    const auto blocks = root.find("blocks");
    require(blocks != root.end());
    article_.blocks = readBlocks(*blocks, 0, true);
    require(!article_.blocks.empty() && hasText_);
    listHeadings();
    for (ReaderArticle::Link& link : article_.links) {
      link.text = oneLine(link.text);
      if (link.text.empty()) link.text = link.address;
    }
    return std::move(article_);
  }

 private:
  // An optional string member: "" when missing, refused when of another type.
  static std::string string(const Json& object, const char* key) {
    const auto found = object.find(key);
    if (found == object.end()) return "";
    require(found->is_string());
    return withoutControls(found->get<std::string>(), false);
  }

  static bool flag(const Json& object, const char* key) {
    const auto found = object.find(key);
    if (found == object.end()) return false;
    require(found->is_boolean());
    return found->get<bool>();
  }

  static int integer(const Json& object, const char* key, int low, int high) {
    const auto found = object.find(key);
    require(found != object.end() && found->is_number_integer());
    const auto value = found->get<long long>();
    require(value >= low && value <= high);
    return static_cast<int>(value);
  }

  static const Json& array(const Json& object, const char* key) {
    const auto found = object.find(key);
    require(found != object.end() && found->is_array());
    return *found;
  }

  std::string cut(std::string text) const {
    std::size_t end = 0;
    std::size_t count = 0;
    while (end < text.size() && count < static_cast<std::size_t>(limits_.maxTitle)) {
      ++end;
      while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
      ++count;
    }
    text.resize(end);
    return text;
  }

  void countText(const std::string& text) {
    for (const char c : text) hasText_ = hasText_ || !isAsciiSpace(c);
    count(0, characters(text));
  }

  void count(std::size_t blocks, std::size_t text) {
    blocks_ += blocks;
    text_ += text;
    require(blocks_ <= static_cast<std::size_t>(limits_.maxBlocks));
    require(text_ <= static_cast<std::size_t>(limits_.maxText));
  }

  void readAddresses(const Json& root) {
    const auto links = root.find("links");
    if (links == root.end()) return;
    require(links->is_array());
    for (const Json& each : *links) {
      require(each.is_string());
      const std::string address = each.get<std::string>();
      count(0, characters(address));
      addresses_.push_back(isFollowable(address, limits_) ? address : std::string());
    }
  }

  std::vector<Block> readBlocks(const Json& values, int depth, bool top) {
    require(values.is_array());
    std::vector<Block> blocks;
    for (const Json& value : values) {
      Block block = readBlock(value, depth, top);
      const bool empty = block.spans.empty() && block.text.empty() && block.blocks.empty() &&
                         block.items.empty() && block.rows.empty();
      if (!empty) blocks.push_back(std::move(block));
    }
    return blocks;
  }

  Block readBlock(const Json& value, int depth, bool top) {
    require(value.is_object());
    count(1, 0);
    const std::string type = string(value, "type");
    Block block;
    if (type == "heading" && top) {
      block.kind = Kind::Heading;
      block.level = integer(value, "level", 1, 6);
      block.spans = readSpans(array(value, "content"));
    } else if (type == "paragraph") {
      block.spans = readSpans(array(value, "content"));
    } else if (type == "code") {
      block.kind = Kind::Code;
      const auto text = value.find("text");
      require(text != value.end() && text->is_string());
      block.text = withoutControls(text->get<std::string>(), true);
      countText(block.text);
    } else if (type == "quote" && depth < limits_.maxDepth) {
      block.kind = Kind::Quote;
      block.blocks = readBlocks(array(value, "blocks"), depth + 1, false);
    } else if (type == "list" && depth < limits_.maxDepth) {
      block.kind = Kind::List;
      block.ordered = flag(value, "ordered");
      block.start = value.contains("start") ? integer(value, "start", -1000000, 1000000) : 1;
      for (const Json& item : array(value, "items")) {
        count(1, 0);
        std::vector<Block> blocks = readBlocks(item, depth + 1, false);
        if (!blocks.empty()) block.items.push_back(std::move(blocks));
      }
    } else if (type == "table") {
      block.kind = Kind::Table;
      block.rows = readRows(array(value, "rows"));
    } else {
      throw Refused{};
    }
    return block;
  }

  std::vector<std::vector<std::string>> readRows(const Json& values) {
    std::vector<std::vector<std::string>> rows;
    for (const Json& value : values) {
      require(value.is_array());
      count(1, 0);
      std::vector<std::string> cells;
      for (const Json& cell : value) {
        require(cell.is_string());
        cells.push_back(oneLine(withoutControls(cell.get<std::string>(), false)));
        countText(cells.back());
      }
      if (!cells.empty()) rows.push_back(std::move(cells));
    }
    return rows;
  }

  std::vector<Span> readSpans(const Json& values) {
    std::vector<Span> spans;
    for (const Json& value : values) {
      require(value.is_object());
      const auto text = value.find("text");
      require(text != value.end() && text->is_string());
      Span span;
      span.text = withoutControls(text->get<std::string>(), false);
      countText(span.text);
      span.emphasis = flag(value, "em");
      span.strong = flag(value, "strong");
      span.code = flag(value, "code");
      span.image = flag(value, "image");
      if (value.contains("link")) {
        const int link = integer(value, "link", 0, static_cast<int>(addresses_.size()) - 1);
        span.link = articleLink(static_cast<std::size_t>(link), span.text);
      }
      if (!span.text.empty()) spans.push_back(std::move(span));
    }
    return spans;
  }

  // The article's own list holds the links that have text, in the order the text meets them.
  int articleLink(std::size_t answerIndex, const std::string& text) {
    const std::string& address = addresses_[answerIndex];
    if (address.empty() || text.empty()) return -1;
    auto found = linkIndex_.find(answerIndex);
    if (found == linkIndex_.end()) {
      found = linkIndex_.emplace(answerIndex, static_cast<int>(article_.links.size())).first;
      article_.links.push_back({"", address});
    }
    article_.links[static_cast<std::size_t>(found->second)].text += text;
    return found->second;
  }

  void listHeadings() {
    for (std::size_t i = 0; i < article_.blocks.size(); ++i) {
      const Block& block = article_.blocks[i];
      if (block.kind != Kind::Heading) continue;
      std::string text;
      for (const Span& span : block.spans) text += span.text;
      text = oneLine(text);
      if (!text.empty()) article_.headings.push_back({text, block.level, i});
    }
  }

  const ReaderLimits& limits_;
  // The answer's link addresses; empty where the address may not be followed.
  std::vector<std::string> addresses_;
  std::unordered_map<std::size_t, int> linkIndex_;
  ReaderArticle article_;
  std::size_t blocks_ = 0;
  std::size_t text_ = 0;
  bool hasText_ = false;
};

}  // namespace

std::optional<ReaderArticle> ReaderArticleParser::parse(const std::string& answer,
                                                        const ReaderLimits& limits) {
  if (answer.empty() || answer.size() > limits.maxAnswerBytes) return std::nullopt;
  // Each level of lists or quotes takes three levels of the answer's nesting.
  const int maxNesting = 3 * limits.maxDepth + 8;
  try {
    const Json root = Json::parse(answer, [maxNesting](int depth, Json::parse_event_t, Json&) {
      require(depth <= maxNesting);
      return true;
    });
    return AnswerReader(limits).read(root);
  } catch (const Refused&) {
    return std::nullopt;
  } catch (const std::exception&) {  // not JSON, or not UTF-8
    return std::nullopt;
  }
}

}  // namespace corvane
