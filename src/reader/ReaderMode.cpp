#include "reader/ReaderMode.h"

#include <utility>

namespace corvane {

void ReaderMode::documentChanged() {
  if (known_ == Known::Finding) page_.cancelExtraction();
  known_ = Known::Nothing;
  article_.reset();
  awaiting_ = false;
  leave();
  if (!wanted_) return;
  // Asked for as the new document came (its address shows before it reports), the article is
  // the new document's, once it has been read; a page that replaces its document again
  // meanwhile has none to show.
  if (std::exchange(retried_, true)) {
    wanted_ = false;
    page_.sayNotAvailable();
  } else {
    awaiting_ = true;
  }
}

void ReaderMode::documentParsed() {
  if (!std::exchange(awaiting_, false)) return;
  if (wanted_ && known_ != Known::Finding) find();
}

void ReaderMode::addressChanged() {
  // An answer on its way is taken: a page that keeps moving on would never get one.
  if (shown_ || known_ == Known::Finding) return;
  known_ = Known::Nothing;
  article_.reset();
}

void ReaderMode::pageIdle() {
  if (known_ == Known::Nothing) find();
}

void ReaderMode::toggle() {
  if (shown_) {
    leave();
  } else if (wanted_) {
    // Found later, it is kept for the next time.
    wanted_ = false;
    awaiting_ = false;
  } else if (known_ == Known::Article) {
    show();
  } else {
    wanted_ = true;
    retried_ = false;
    // A page that had no article when it loaded may have one now.
    if (known_ != Known::Finding) find();
  }
}

bool ReaderMode::leave() {
  if (!shown_) return false;
  shown_ = false;
  page_.showPage();
  return true;
}

void ReaderMode::articleReady(ReaderArticle article) {
  if (known_ != Known::Finding) return;
  known_ = Known::Article;
  article_ = std::make_shared<const ReaderArticle>(std::move(article));
  if (wanted_) {
    show();
  } else {
    page_.prepareArticle(article_);
  }
}

void ReaderMode::notAvailable() {
  if (known_ != Known::Finding) return;
  known_ = Known::NoArticle;
  if (!wanted_) return;
  wanted_ = false;
  page_.sayNotAvailable();
}

void ReaderMode::find() {
  known_ = Known::Finding;
  page_.extract();
}

void ReaderMode::show() {
  wanted_ = false;
  shown_ = true;
  page_.showArticle(article_);
}

}  // namespace corvane
