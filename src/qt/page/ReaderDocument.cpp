#include "qt/page/ReaderDocument.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPalette>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace corvane {

namespace {

using Line = ReaderText::Line;

constexpr const char* kLinkScheme = "reader-link";
// The space after a block and the indent of a list or quote level, in the font's heights.
constexpr double kBlockSpace = 0.6;
constexpr double kIndent = 1.5;

// How much larger than the text a title or heading is, by QTextCharFormat's steps.
int sizeAdjustment(const Line& line) {
  if (line.kind == Line::Kind::Title) return 3;
  if (line.kind != Line::Kind::Heading) return 0;
  return line.level <= 2 ? 2 : line.level == 3 ? 1 : 0;
}

QTextBlockFormat blockFormat(const Line& line, double height) {
  QTextBlockFormat format;
  format.setBottomMargin(line.joined ? 0 : height * kBlockSpace);
  format.setLeftMargin(line.indent * height * kIndent);
  if (line.kind == Line::Kind::Title) format.setHeadingLevel(1);
  if (line.kind == Line::Kind::Heading) {
    format.setHeadingLevel(line.level);
    format.setTopMargin(height * kBlockSpace);
  }
  return format;
}

QTextCharFormat lineFormat(const Line& line, const QFont& fixed) {
  QTextCharFormat format;
  format.setProperty(QTextFormat::FontSizeAdjustment, sizeAdjustment(line));
  if (line.kind == Line::Kind::Title || line.kind == Line::Kind::Heading) {
    format.setFontWeight(QFont::Bold);
  }
  if (line.kind == Line::Kind::Byline || line.kind == Line::Kind::Note || line.quoted) {
    format.setFontItalic(true);
  }
  if (line.kind == Line::Kind::Code) format.setFontFamilies(fixed.families());
  return format;
}

QTextCharFormat spanFormat(QTextCharFormat format, const ReaderArticle::Span& span,
                           const QFont& fixed, const QPalette& palette) {
  if (span.emphasis || span.image) format.setFontItalic(true);
  if (span.strong) format.setFontWeight(QFont::Bold);
  if (span.code) format.setFontFamilies(fixed.families());
  if (span.link >= 0) {
    format.setAnchor(true);
    format.setAnchorHref(ReaderDocument::anchorOf(span.link).toString());
    format.setFontUnderline(true);
    format.setForeground(palette.link());
  }
  return format;
}

}  // namespace

void ReaderDocument::write(QTextDocument* document, const ReaderText& text, const QFont& font,
                           const QPalette& palette) {
  document->clear();
  document->setDefaultFont(font);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  const double height = QFontInfo(font).pixelSize();
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  bool first = true;
  for (const Line& line : text.lines()) {
    const QTextCharFormat format = lineFormat(line, fixed);
    if (first) {
      cursor.setBlockFormat(blockFormat(line, height));
      cursor.setBlockCharFormat(format);
    } else {
      cursor.insertBlock(blockFormat(line, height), format);
    }
    first = false;
    if (!line.marker.empty()) cursor.insertText(QString::fromStdString(line.marker + " "), format);
    for (const ReaderArticle::Span& span : line.spans) {
      cursor.insertText(QString::fromStdString(span.text),
                        spanFormat(format, span, fixed, palette));
    }
  }
  cursor.endEditBlock();
}

QUrl ReaderDocument::anchorOf(int index) {
  return QUrl(QString::fromLatin1(kLinkScheme) + QLatin1Char(':') + QString::number(index));
}

std::optional<int> ReaderDocument::linkOf(const QUrl& anchor) {
  if (anchor.scheme() != QLatin1String(kLinkScheme)) return std::nullopt;
  bool ok = false;
  const int index = anchor.path().toInt(&ok);
  if (!ok || index < 0) return std::nullopt;
  return index;
}

}  // namespace corvane
