#pragma once

#include <QFrame>
#include <QString>

#include <memory>

#include "platform/IReaderView.h"
#include "reader/ReaderArticle.h"
#include "reader/ReaderText.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QWebEngineView;

namespace corvane {

// A page's article over its pane, in place of the page, which goes on running underneath: the
// text in a native text view that screen readers read line by line, and beside it a list of its
// headings and one of its links, which say what the text view cannot tell them. Enter on a
// heading moves the text there; a link, in the text or the list, is handed on (linkActivated),
// never followed here. Its font follows the pane's zoom, its colours the desktop's.
class ReaderView : public QFrame {
  Q_OBJECT
 public:
  explicit ReaderView(QWebEngineView* view);

  // Lays out `article` to show, unless it is the one laid out already.
  void prepare(const std::shared_ptr<const ReaderArticle>& article);
  // Shows `article` over the page with the keyboard focus in its text: where it was left when
  // it is the article shown before, else from its beginning.
  void showArticle(const std::shared_ptr<const ReaderArticle>& article);
  // Hides the view; the focus, if it was in the view, goes to the page.
  void showPage();
  bool isShowing() const { return showing_; }

  ReaderPart focusedPart() const;
  // Gives the part the focus; false when it has nothing in it.
  bool focusPart(ReaderPart part);

  // The page now shows in `view`: the view goes with it.
  void moveTo(QWebEngineView* view);
  // The page's zoom has changed: the text follows it.
  void followZoom();

 Q_SIGNALS:
  // The user followed the article's link to `address`.
  void linkActivated(const QString& address);

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void write();
  // Writes the article again, the caret where it was.
  void rewrite();
  void fillLists();
  void goToHeading(QListWidgetItem* item);
  void followLink(int index);
  // Keeps the text's lines to a width that reads well, whatever the pane's width.
  void limitWidth();
  void place();

  QWebEngineView* view_;
  QTextBrowser* text_;
  QLabel* headingsLabel_;
  QListWidget* headings_;
  QLabel* linksLabel_;
  QListWidget* links_;
  std::shared_ptr<const ReaderArticle> article_;
  std::unique_ptr<ReaderText> lines_;
  double zoom_ = 1.0;
  bool showing_ = false;
};

}  // namespace corvane
