#include "reader/ReaderMode.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

// A page that keeps what it was asked to do: "extract", "cancel", "ready:<title>",
// "article:<title>", "page", "not available".
class RecordingReaderPage : public IReaderPage {
 public:
  void extract() override { calls.push_back("extract"); }
  void cancelExtraction() override { calls.push_back("cancel"); }
  void prepareArticle(const std::shared_ptr<const ReaderArticle>& article) override {
    calls.push_back("ready:" + article->title);
    prepared = article;
  }
  void showArticle(const std::shared_ptr<const ReaderArticle>& article) override {
    calls.push_back("article:" + article->title);
    shown = article;
  }
  void showPage() override { calls.push_back("page"); }
  void sayNotAvailable() override { calls.push_back("not available"); }

  // What the calls since the last look were.
  Strings take() { return std::exchange(calls, {}); }

  Strings calls;
  std::shared_ptr<const ReaderArticle> prepared;
  std::shared_ptr<const ReaderArticle> shown;
};

ReaderArticle titled(const std::string& title) {
  ReaderArticle article;
  article.title = title;
  return article;
}

struct Rig {
  RecordingReaderPage page;
  ReaderMode mode{page};
};

// Found ahead once the page is idle, the article shows at once, and again at the place it was
// left: the same article. F9 and Esc go back to the page.
TEST(ReaderModeTest, TheArticleFoundAheadShowsAtOnceAndStaysWithItsDocument) {
  Rig r;
  r.mode.pageIdle();
  r.mode.articleReady(titled("A"));
  r.mode.pageIdle();
  EXPECT_EQ(r.page.take(), (Strings{"extract", "ready:A"}));
  r.mode.toggle();
  EXPECT_TRUE(r.mode.shown());
  const auto first = r.page.shown;
  EXPECT_EQ(first, r.page.prepared);
  r.mode.toggle();
  EXPECT_FALSE(r.mode.leave());
  r.mode.toggle();
  EXPECT_TRUE(r.mode.leave());
  EXPECT_EQ(r.page.take(), (Strings{"article:A", "page", "article:A", "page"}));
  EXPECT_EQ(r.page.shown, first);
}

// Asked for before it is known, the article is found then and shows when it comes; asked for
// again meanwhile, it is kept for later and does not show; a page that had none when it
// loaded is looked at again, and one that has none says so, once.
TEST(ReaderModeTest, AnArticleAskedForIsFoundThenAndAPageWithoutOneSaysSo) {
  Rig r;
  r.mode.toggle();
  r.mode.articleReady(titled("A"));
  EXPECT_EQ(r.page.take(), (Strings{"extract", "article:A"}));

  Rig later;
  later.mode.pageIdle();
  later.mode.toggle();
  later.mode.toggle();
  later.mode.articleReady(titled("B"));
  EXPECT_FALSE(later.mode.shown());
  later.mode.toggle();
  EXPECT_EQ(later.page.take(), (Strings{"extract", "ready:B", "article:B"}));

  Rig none;
  none.mode.pageIdle();
  none.mode.notAvailable();
  EXPECT_EQ(none.page.take(), Strings{"extract"});
  none.mode.toggle();
  none.mode.notAvailable();
  none.mode.notAvailable();
  EXPECT_EQ(none.page.take(), (Strings{"extract", "not available"}));
  EXPECT_FALSE(none.mode.shown());
}

// A new document takes the article and its view with it, and an answer still on its way is
// given up. An article asked for is looked for in the document that comes next (the page shows
// its address before it reports it), once that one has been read; when that one goes too, it is
// not available, and an answer that comes late shows nothing. A move within the document drops
// the article found ahead, but not the one showing nor an answer on its way.
TEST(ReaderModeTest, TheArticleGoesWithItsDocument) {
  Rig r;
  r.mode.toggle();
  r.mode.articleReady(titled("A"));
  r.mode.addressChanged();
  r.mode.documentChanged();
  EXPECT_FALSE(r.mode.shown());
  r.mode.toggle();
  r.mode.documentChanged();
  EXPECT_TRUE(r.mode.awaitingDocument());
  EXPECT_EQ(r.page.take(), (Strings{"extract", "article:A", "page", "extract", "cancel"}));
  r.mode.documentParsed();
  r.mode.documentParsed();
  r.mode.articleReady(titled("next"));
  EXPECT_EQ(r.page.take(), (Strings{"extract", "article:next"}));

  r.mode.toggle();
  r.mode.documentChanged();
  r.mode.toggle();
  r.mode.documentChanged();
  r.mode.documentChanged();
  r.mode.documentParsed();
  r.mode.articleReady(titled("late"));
  EXPECT_FALSE(r.mode.awaitingDocument());
  EXPECT_EQ(r.page.take(), (Strings{"page", "extract", "cancel", "not available"}));

  r.mode.pageIdle();
  r.mode.addressChanged();
  r.mode.articleReady(titled("B"));
  r.mode.addressChanged();
  r.mode.toggle();
  EXPECT_EQ(r.page.take(), (Strings{"extract", "ready:B", "extract"}));
}

}  // namespace
}  // namespace corvane
