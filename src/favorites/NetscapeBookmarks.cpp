#include "favorites/NetscapeBookmarks.h"

#include <cstdint>
#include <vector>

#include "base/AsciiText.h"
#include "base/HtmlText.h"
#include "favorites/BookmarksError.h"
#include "favorites/CodePoint.h"

namespace corvane {

namespace {

bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == ':';
}

// One character reference at text[at] ('&'), decoded onto out; where it ends.
std::size_t decodeReference(const std::string& text, std::size_t at, std::string& out) {
  const std::size_t semi = text.find(';', at);
  if (semi == std::string::npos || semi - at > 10) {
    out += '&';
    return at + 1;
  }
  const std::string name = text.substr(at + 1, semi - at - 1);
  if (!name.empty() && name[0] == '#') {
    const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
    const std::string digits = name.substr(hex ? 2 : 1);
    std::uint32_t cp = 0;
    bool ok = !digits.empty();
    for (char c : digits) {
      const int v = c >= '0' && c <= '9'          ? c - '0'
                    : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                  : -1;
      if (v < 0 || cp > 0x10FFFF) ok = false;
      if (!ok) break;
      cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
    }
    if (ok) {
      appendUtf8(out, cp);
      return semi + 1;
    }
  }
  static const std::pair<const char*, const char*> kNamed[] = {
      {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", " "}};
  for (const auto& [entity, value] : kNamed) {
    if (equalsNoCase(name, entity)) {
      out += value;
      return semi + 1;
    }
  }
  out += '&';
  return at + 1;
}

// Text with its tags dropped, references decoded, runs of white space made one blank, trimmed.
std::string plainText(const std::string& html) {
  std::string decoded;
  for (std::size_t i = 0; i < html.size();) {
    if (html[i] == '<') {
      const std::size_t end = html.find('>', i);
      i = end == std::string::npos ? html.size() : end + 1;
    } else if (html[i] == '&') {
      i = decodeReference(html, i, decoded);
    } else {
      decoded += html[i++];
    }
  }
  std::string text;
  for (char c : decoded) {
    if (isAsciiSpace(c)) {
      if (!text.empty() && text.back() != ' ') text += ' ';
    } else {
      text += c;
    }
  }
  if (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

struct Tag {
  std::string name;  // lower case, "/dl" for an end tag
  std::string href;  // decoded
  bool hasHref = false;
  bool hasAddDate = false;
  std::size_t end;  // just after the '>'
};

// The tag that starts at html[at] ('<').
Tag readTag(const std::string& html, std::size_t at) {
  Tag tag;
  std::size_t i = at + 1;
  if (i < html.size() && html[i] == '/') tag.name += html[i++];
  while (i < html.size() && isNameChar(html[i])) tag.name += asciiLower(html[i++]);
  while (i < html.size() && html[i] != '>') {
    if (!isNameChar(html[i])) {
      ++i;
      continue;
    }
    std::string attribute;
    while (i < html.size() && isNameChar(html[i])) attribute += asciiLower(html[i++]);
    tag.hasHref = tag.hasHref || attribute == "href";
    tag.hasAddDate = tag.hasAddDate || attribute == "add_date";
    while (i < html.size() && isAsciiSpace(html[i])) ++i;
    if (i >= html.size() || html[i] != '=') continue;
    ++i;
    while (i < html.size() && isAsciiSpace(html[i])) ++i;
    std::string raw;
    if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
      const char quote = html[i++];
      const std::size_t close = html.find(quote, i);
      const std::size_t stop = close == std::string::npos ? html.size() : close;
      raw = html.substr(i, stop - i);
      i = stop == html.size() ? stop : stop + 1;
    } else {
      while (i < html.size() && !isAsciiSpace(html[i]) && html[i] != '>') raw += html[i++];
    }
    if (attribute == "href") {
      for (std::size_t k = 0; k < raw.size();) {
        if (raw[k] == '&') {
          k = decodeReference(raw, k, tag.href);
        } else {
          tag.href += raw[k++];
        }
      }
    }
  }
  tag.end = i < html.size() ? i + 1 : html.size();
  return tag;
}

// Where the text of an <A> or <H3> that starts at `from` ends: at its end tag `</name`, or where
// the next item or list begins when the end tag is missing; the end of html at the latest.
std::size_t textEnd(const std::string& html, std::size_t from, const std::string& name) {
  const std::string end = "</" + name;
  for (std::size_t i = html.find('<', from); i != std::string::npos; i = html.find('<', i + 1)) {
    const std::string_view rest = std::string_view(html).substr(i);
    if (startsWithNoCase(rest, end) || startsWithNoCase(rest, "<dt") ||
        startsWithNoCase(rest, "<dl") || startsWithNoCase(rest, "</dl")) {
      return i;
    }
  }
  return html.size();
}

// Where the tag or comment at html[at] ('<') ends, comments included whole.
std::size_t skipComment(const std::string& html, std::size_t at) {
  if (html.compare(at, 4, "<!--") != 0) return at;
  const std::size_t end = html.find("-->", at + 4);
  return end == std::string::npos ? html.size() : end + 3;
}

// Whether the file declares itself a bookmarks file: its first tag (comments aside) is
// <!DOCTYPE NETSCAPE-Bookmark-file-1>.
bool declared(const std::string& html) {
  std::size_t i = html.find('<');
  while (i != std::string::npos && skipComment(html, i) != i)
    i = html.find('<', skipComment(html, i));
  if (i == std::string::npos || !startsWithNoCase(std::string_view(html).substr(i), "<!doctype")) {
    return false;
  }
  const std::size_t end = html.find('>', i);
  return asciiLower(html.substr(i, end == std::string::npos ? std::string::npos : end - i))
             .find("netscape-bookmark-file-1") != std::string::npos;
}

[[noreturn]] void fail(BookmarksError::Kind kind, const char* detail) {
  throw BookmarksError(kind, detail);
}

class Builder {
 public:
  explicit Builder(Bookmark& root) : root_(root) {}

  void folderName(std::string name) {
    flushPending();
    pending_ = std::move(name);
    hasPending_ = true;
  }
  void link(std::string title, std::string address) {
    flushPending();
    current().children.push_back(Bookmark::Link(std::move(title), std::move(address)));
  }
  // The lists open, the top-level one included.
  int depth() const { return static_cast<int>(stack_.size()); }

  void openList() {
    if (stack_.empty()) {
      stack_.push_back(&root_);
      return;
    }
    if (hasPending_ && depth() <= NetscapeBookmarks::kMaxDepth) {
      hasPending_ = false;
      current().children.push_back(Bookmark::Folder(std::move(pending_)));
      stack_.push_back(&current().children.back());
    } else {
      // Too deep, a folder's name goes and its contents stay in the deepest folder.
      hasPending_ = false;
      stack_.push_back(&current());
    }
  }
  void closeList() {
    flushPending();
    stack_.pop_back();
  }
  void finish() { flushPending(); }

 private:
  Bookmark& current() { return stack_.empty() ? root_ : *stack_.back(); }
  // A folder name with no list after it is an empty folder, unless it is too deep for one.
  void flushPending() {
    if (!hasPending_) return;
    hasPending_ = false;
    if (depth() <= NetscapeBookmarks::kMaxDepth) {
      current().children.push_back(Bookmark::Folder(std::move(pending_)));
    }
  }

  Bookmark& root_;
  // Only the open folders stand here; a folder gets children only while it is the last one, so
  // the pointers stay valid.
  std::vector<Bookmark*> stack_;
  std::string pending_;
  bool hasPending_ = false;
};

void writeChildren(const Bookmark& folder, int depth, std::string& out) {
  const std::string indent(static_cast<std::size_t>(depth) * 4, ' ');
  out += indent + "<DL><p>\n";
  for (const Bookmark& child : folder.children) {
    if (child.folder) {
      out += indent + "    <DT><H3>" + htmlEscaped(child.title) + "</H3>\n";
      writeChildren(child, depth + 1, out);
    } else {
      out += indent + "    <DT><A HREF=\"" + htmlEscaped(child.address) + "\">" +
             htmlEscaped(child.title) + "</A>\n";
    }
  }
  out += indent + "</DL><p>\n";
}

}  // namespace

Bookmark NetscapeBookmarks::Parse(const std::string& html) {
  using Kind = BookmarksError::Kind;
  const bool bookmarksFile = declared(html);
  Bookmark root = Bookmark::Folder("");
  Builder builder(root);
  bool opened = false;
  // After a <DT> of the top-level list, the next tag tells what the item is.
  bool item = false;
  int items = 0;
  for (std::size_t i = html.find('<'); i != std::string::npos; i = html.find('<', i)) {
    if (skipComment(html, i) != i) {
      i = skipComment(html, i);
      continue;
    }
    const Tag tag = readTag(html, i);
    i = tag.end;
    // Before the top-level list, and after it, nothing is a bookmark.
    if (builder.depth() == 0) {
      if (opened) break;
      if (tag.name == "dl") builder.openList();
      opened = opened || tag.name == "dl";
      continue;
    }
    // A page's definition list holds terms: a bookmarks list holds links with the date they
    // were added, and folders.
    if (item && !bookmarksFile &&
        !(tag.name == "h3" || (tag.name == "a" && tag.hasHref && tag.hasAddDate))) {
      fail(Kind::NotBookmarks, "its lists hold no bookmarks");
    }
    item = tag.name == "dt" && builder.depth() == 1;
    items += item ? 1 : 0;
    if (tag.name == "dl") {
      builder.openList();
    } else if (tag.name == "/dl") {
      builder.closeList();
    } else if (tag.name == "h3" || tag.name == "a") {
      const std::size_t stop = textEnd(html, i, tag.name);
      std::string text = plainText(html.substr(i, stop - i));
      if (tag.name == "h3") {
        builder.folderName(std::move(text));
      } else {
        builder.link(std::move(text), tag.href);
      }
      i = stop;
    }
  }
  if (!opened)
    fail(bookmarksFile ? Kind::Damaged : Kind::NotBookmarks, "it holds no bookmarks list");
  if (builder.depth() > 0) fail(Kind::Damaged, "it ends before its list of bookmarks does");
  if (!bookmarksFile && items == 0) fail(Kind::NotBookmarks, "its lists hold no bookmarks");
  builder.finish();
  return root;
}

std::string NetscapeBookmarks::Write(const Bookmark& root) {
  std::string out =
      "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
      "<TITLE>Bookmarks</TITLE>\n"
      "<H1>Bookmarks</H1>\n";
  writeChildren(root, 0, out);
  return out;
}

}  // namespace corvane
