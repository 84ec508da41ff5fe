#pragma once

#include <QString>
#include <QUrl>

#include <optional>

#include "reader/ReaderArticle.h"
#include "reader/ReaderText.h"

class QFont;
class QPalette;
class QTextDocument;

namespace corvane {

// Writes an article into a text document for the reader view: each of its lines a block of the
// document, in the same order (so that a line's number is its block's), headings, lists, quotes,
// code and tables told apart by their look, and its links as anchors that name the link by its
// number in the article rather than its address, so that nothing in the text can navigate.
class ReaderDocument {
 public:
  // Replaces what `document` holds with `text`, in `font` and fonts made from it, its links in
  // the colour of `palette`.
  static void write(QTextDocument* document, const ReaderText& text, const QFont& font,
                    const QPalette& palette);

  // The anchor of the article's link `index`, and the link an anchor names.
  static QUrl anchorOf(int index);
  static std::optional<int> linkOf(const QUrl& anchor);
};

}  // namespace corvane
