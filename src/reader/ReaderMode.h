#pragma once

#include <memory>

#include "reader/ReaderArticle.h"

namespace corvane {

// What ReaderMode drives of one page.
class IReaderPage {
 public:
  virtual ~IReaderPage() = default;
  // Asks for the article of the document showing: answered once, by ReaderMode::articleReady
  // or ReaderMode::notAvailable. A request under way is given up unanswered.
  virtual void extract() = 0;
  // Gives up the request under way unanswered.
  virtual void cancelExtraction() = 0;
  // The article has been found ahead of a request: its view may be made ready to show.
  virtual void prepareArticle(const std::shared_ptr<const ReaderArticle>& article) = 0;
  // Shows the article over the page, where it was left when it is the one shown before.
  virtual void showArticle(const std::shared_ptr<const ReaderArticle>& article) = 0;
  // Shows the page again, as it was.
  virtual void showPage() = 0;
  // Tells the user that the page has no article to show.
  virtual void sayNotAvailable() = 0;
};

// The reader view of one page: whether it shows the article of the page's document or the page
// itself, and the article it shows. The article is found ahead, once the page has loaded and is
// idle, and kept with its document, so that asking for it shows it at once; asked for before it
// is known, it is found then. It goes with its document: a new document, and a move to another
// place within it while the page shows, drop it. A page with no article stays as it is.
class ReaderMode {
 public:
  explicit ReaderMode(IReaderPage& page) : page_(page) {}
  ReaderMode(const ReaderMode&) = delete;
  ReaderMode& operator=(const ReaderMode&) = delete;

  // The page holds a new document, or has lost the one it had: its article goes, and a view
  // of it gives way to the page. An article asked for and not found yet is looked for in the
  // new document once it has been read (documentParsed); when that one goes too before it is
  // found, it is not available.
  void documentChanged();
  // The new document has been read, or has taken too long to be: an article asked for is looked
  // for now.
  void documentParsed();
  // An article asked for waits for the new document to be read.
  bool awaitingDocument() const { return awaiting_; }
  // The document showing is at another address of its own (its scripts moved it on): the
  // article found before may not be its article now, and is found again when next asked for.
  // A view that shows it stays, and so does an answer on its way.
  void addressChanged();
  // The page has loaded and is idle: its article is found ahead, unless known already.
  void pageIdle();

  // Shows the article, found first if it is not known yet; while it shows, or is being found
  // to be shown, back to the page.
  void toggle();
  // Back to the page; false when the article was not showing.
  bool leave();
  bool shown() const { return shown_; }

  void articleReady(ReaderArticle article);
  void notAvailable();

 private:
  enum class Known { Nothing, Finding, Article, NoArticle };

  void find();
  void show();

  IReaderPage& page_;
  Known known_ = Known::Nothing;
  std::shared_ptr<const ReaderArticle> article_;
  // The user asked for the article while it was being found.
  bool wanted_ = false;
  // What the user asked for has been looked for again in a new document.
  bool retried_ = false;
  bool awaiting_ = false;
  bool shown_ = false;
};

}  // namespace corvane
