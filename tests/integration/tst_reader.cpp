// The reader view's article on the real engine: what it takes from a page and what it leaves,
// that the page's scripts cannot reach it, and the pages it refuses within its limits.
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "LoopbackHttpServer.h"
#include "TestProgram.h"
#include "browser/SitePermissions.h"
#include "qt/page/BrowserPage.h"
#include "qt/page/PageDialogChannel.h"
#include "qt/page/ReaderExtraction.h"
#include "reader/ReaderArticle.h"

using corvane::ReaderArticle;
using corvane::ReaderExtraction;
using corvane::ReaderLimits;
using Kind = ReaderArticle::Kind;

namespace {

// Long enough for the library to take each paragraph for part of an article.
const char kWords[] =
    "The harbour master keeps a log of every ship that comes in and goes out, with the hour, "
    "the tide, the weather and the cargo, and the log has been kept in the same hand-bound "
    "books since the first stone of the quay was laid, more than two hundred years ago.";

QString article(const QString& extra = QString()) {
  const QString words = QString::fromLatin1(kWords);
  return QStringLiteral(
             "<!DOCTYPE html><html lang=\"en\"><head><title>Notes from the harbour at low tide - "
             "The Gazette</title>"
             "</head><body>"
             "<header class=\"site-header\"><nav class=\"menu\"><a href=\"/\">NavHome</a> "
             "<a href=\"/news\">NavNews</a> <a href=\"/sport\">NavSport</a></nav></header>"
             "<div class=\"sidebar\"><h3>SidebarTitle</h3><ul><li><a href=\"/a\">SidebarOne</a>"
             "</li><li><a href=\"/b\">SidebarTwo</a></li></ul></div>"
             "<article><h1>Notes from the harbour at low tide</h1><p class=\"byline\">By Ann "
             "Author</p>"
             "<p>%1 It has <em>emphasis</em>, <strong>strength</strong>, <code>tide()</code>, "
             "<a href=\"/more.html\">a relative link</a> and <a href=\"javascript:alert(1)\">"
             "a script link</a>.</p>"
             "<h2>Tides</h2><p>%1</p>"
             "<ul><li>First item<ul><li>Nested item</li></ul></li><li>Second item</li></ul>"
             "<blockquote><p>%1</p></blockquote>"
             "<pre>line one\n    indented line</pre>"
             "<table><tr><th>Ship</th><th>Tonnes</th></tr><tr><td>Aurora</td><td>1200</td></tr>"
             "</table>"
             "<p>%1 <img src=\"/chart.png\" alt=\"Chart of the tides\"></p>"
             "%2"
             "<h2>Weather</h2><p>%1</p></article>"
             "<section id=\"comments\" class=\"comments\"><h3>CommentsTitle</h3>"
             "<p>CommentText from a reader who has something to say.</p></section>"
             "<footer class=\"footer\">FooterText</footer></body></html>")
      .arg(words, extra);
}

void addText(std::string& all, const std::vector<ReaderArticle::Span>& spans) {
  for (const ReaderArticle::Span& span : spans) all += span.text;
  all += " | ";
}

void addText(std::string& all, const std::vector<ReaderArticle::Block>& blocks) {
  for (const ReaderArticle::Block& block : blocks) {
    addText(all, block.spans);
    all += block.text + " | ";
    addText(all, block.blocks);
    for (const auto& item : block.items) addText(all, item);
    for (const auto& row : block.rows) {
      for (const std::string& cell : row) all += cell + " | ";
    }
  }
}

// Every text of the article in one string, for what must and must not be there.
std::string allText(const ReaderArticle& article) {
  std::string all = article.title + " | " + article.byline + " | ";
  addText(all, article.blocks);
  return all;
}

const ReaderArticle::Block* find(const std::vector<ReaderArticle::Block>& blocks, Kind kind) {
  for (const ReaderArticle::Block& block : blocks) {
    if (block.kind == kind) return &block;
  }
  return nullptr;
}

bool has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

class ReaderTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void init();
  void cleanup();
  void findsTheArticleWithoutWhatSurroundsIt();
  void leavesScriptsHandlersFormsAndFramesOut();
  void pageScriptsNeitherSeeNorChangeIt();
  void pageWithoutArticleHasNone();
  void hugePageIsRefused();
  void pageThatKeepsRewritingItselfIsGivenUpAtTheDeadline();
  void documentReplacedMeanwhileGivesNoArticle();

 private:
  struct Answer {
    std::optional<ReaderArticle> article;
    int answers = 0;
  };
  bool load(const QString& path);
  Answer extract(const ReaderLimits& limits = ReaderLimits());
  QVariant runInPage(const QString& script);

  LoopbackHttpServer server_;
  QTemporaryDir folder_;
  std::unique_ptr<QWebEngineProfile> profile_;
  corvane::SitePermissions permissions_;
  corvane::PageDialogChannel dialogs_{nullptr};
  corvane::PageServices services_{permissions_, dialogs_};
  std::unique_ptr<QWebEngineView> view_;
  corvane::BrowserPage* page_ = nullptr;
};

void ReaderTest::initTestCase() {
  QVERIFY(server_.start());
  const auto html = [this](const char* path, const QString& page) {
    server_.addRaw(QString::fromLatin1(path), 200, "text/html; charset=utf-8", page.toUtf8());
  };
  html("/article.html", article());
  html(
      "/hostile.html",
      article(QStringLiteral(
                  "<p onclick=\"window.clicked = 1\">Handled paragraph. %1</p>"
                  "<script>var scriptMarker = 'ScriptSource';</script>"
                  "<style>.x::after { content: 'StyleText' }</style>"
                  "<form action=\"/post\"><label>FormLabel</label><input name=\"q\" "
                  "value=\"FormValue\">"
                  "<textarea>FormTextarea</textarea><select><option>FormOption</option></select>"
                  "<button>FormButton</button></form>"
                  "<iframe src=\"/other.html\">FrameFallback</iframe>"
                  "<object data=\"/x.bin\"><p>ObjectFallback</p></object>"
                  "<noscript><p>NoscriptText</p></noscript><template><p>TemplateText</p></template>"
                  "<pre>run()<canvas>PreCanvas</canvas></pre>"
                  "<p>%1 <svg><text>SvgText</text></svg><math><mi>MathText</mi></math> "
                  "<a href=\"data:text/html,x\">DataLink</a> <a href=\"vbscript:x\">VbLink</a> "
                  "<a href=\"file:///tmp/local.html\">FileLink</a> "
                  "<img src=\"/missing.png\" alt=\"Missing\" onerror=\"window.erred = "
                  "(window.erred || 0) + 1\"></p>")
                  .arg(QString::fromLatin1(kWords))));
  // The page's own scripts take over what they can reach, once the page has loaded.
  html("/tampering.html",
       article(QStringLiteral(
           "<script>"
           "window.mutations = 0;"
           "window.addEventListener('load', function () {"
           "  new MutationObserver(function (r) { window.mutations += r.length; })"
           "    .observe(document, {subtree: true, childList: true, attributes: true,"
           "                        characterData: true});"
           "  var fake = function () { return document.createElement('div'); };"
           "  Node.prototype.cloneNode = fake; Document.prototype.cloneNode = fake;"
           "  Document.prototype.querySelectorAll = function () { return []; };"
           "  Element.prototype.getElementsByTagName = function () { return []; };"
           "  Document.prototype.createTreeWalker = function () { throw new Error('no'); };"
           "  JSON.stringify = function () { return '{\"blocks\":[{\"type\":\"paragraph\","
           "\"content\":[{\"text\":\"Tampered\"}]}]}'; };"
           "  Object.defineProperty(Object.prototype, 'title', {configurable: true,"
           "    get: function () { return 'Tampered'; }, set: function () {}});"
           "  window.Readability = function () { this.parse = function () { return null; }; };"
           "});</script>")));
  html("/none.html", QStringLiteral("<!DOCTYPE html><html><head><title>Links</title></head><body>"
                                    "<nav><a href=\"/a\">One</a> <a href=\"/b\">Two</a></nav>"
                                    "<p>Nothing to read here.</p></body></html>"));
  // An article buried in more elements than the limit, made by the page as it loads.
  html("/huge.html",
       article(QStringLiteral("<div id=\"bulk\"></div><script>document.getElementById('bulk')"
                              ".innerHTML = '<span>x</span>'.repeat(200000);</script>")));
  html("/other.html", QStringLiteral("<!DOCTYPE html><title>Other</title><p>Other</p>"));
  profile_ = std::make_unique<QWebEngineProfile>();  // off the record
}

void ReaderTest::init() {
  view_ = std::make_unique<QWebEngineView>();
  view_->resize(800, 600);
  page_ = new corvane::BrowserPage(profile_.get(), services_, view_.get());
  view_->setPage(page_);
  view_->show();
}

void ReaderTest::cleanup() { view_.reset(); }

bool ReaderTest::load(const QString& path) {
  bool done = false;
  bool ok = false;
  const QMetaObject::Connection connection =
      connect(page_, &QWebEnginePage::loadFinished, this, [&](bool success) {
        done = true;
        ok = success;
      });
  page_->load(server_.url(path));
  TestProgram::waitUntil([&] { return done; }, 30000);
  disconnect(connection);
  return ok;
}

ReaderTest::Answer ReaderTest::extract(const ReaderLimits& limits) {
  Answer answer;
  auto* extraction = new ReaderExtraction(page_, limits);
  connect(extraction, &ReaderExtraction::articleReady, this, [&](const ReaderArticle& found) {
    answer.article = found;
    ++answer.answers;
  });
  connect(extraction, &ReaderExtraction::notAvailable, this, [&] { ++answer.answers; });
  extraction->start();
  TestProgram::waitUntil([&] { return answer.answers > 0; }, limits.deadlineMs + 10000);
  delete extraction;
  return answer;
}

QVariant ReaderTest::runInPage(const QString& script) {
  QVariant result;
  bool done = false;
  page_->runJavaScript(script, [&](const QVariant& value) {
    result = value;
    done = true;
  });
  TestProgram::waitUntil([&] { return done; });
  return result;
}

void ReaderTest::findsTheArticleWithoutWhatSurroundsIt() {
  QVERIFY(load(QStringLiteral("/article.html")));
  const Answer answer = extract();
  QCOMPARE(answer.answers, 1);
  QVERIFY(answer.article);
  const ReaderArticle& found = *answer.article;
  QCOMPARE(found.title, std::string("Notes from the harbour at low tide"));
  QCOMPARE(found.byline, std::string("By Ann Author"));
  QCOMPARE(found.language, std::string("en"));
  const std::string text = allText(found);
  for (const char* gone : {"NavHome", "NavNews", "SidebarTitle", "SidebarOne", "CommentsTitle",
                           "CommentText", "FooterText"}) {
    QVERIFY2(!has(text, gone), gone);
  }
  QVERIFY(has(text, "hand-bound books"));

  std::vector<std::string> headings;
  for (const ReaderArticle::Heading& heading : found.headings) {
    headings.push_back(heading.text);
    QCOMPARE(found.blocks.at(heading.block).kind, Kind::Heading);
  }
  QCOMPARE(headings, (std::vector<std::string>{"Tides", "Weather"}));

  const ReaderArticle::Block* list = find(found.blocks, Kind::List);
  QVERIFY(list);
  QCOMPARE(list->items.size(), std::size_t(2));
  const ReaderArticle::Block* nested = find(list->items[0], Kind::List);
  QVERIFY(nested);
  QCOMPARE(nested->items[0][0].spans[0].text, std::string("Nested item"));
  QVERIFY(find(found.blocks, Kind::Quote));
  const ReaderArticle::Block* code = find(found.blocks, Kind::Code);
  QVERIFY(code);
  QCOMPARE(code->text, std::string("line one\n    indented line"));
  const ReaderArticle::Block* table = find(found.blocks, Kind::Table);
  QVERIFY(table);
  QCOMPARE(table->rows,
           (std::vector<std::vector<std::string>>{{"Ship", "Tonnes"}, {"Aurora", "1200"}}));
  QVERIFY(has(text, "Chart of the tides"));

  // The relative link is absolute; the script link is its text alone.
  QCOMPARE(found.links.size(), std::size_t(1));
  QCOMPARE(found.links[0].text, std::string("a relative link"));
  QCOMPARE(QString::fromStdString(found.links[0].address),
           server_.url(QStringLiteral("/more.html")).toString());
  QVERIFY(has(text, "a script link"));
}

void ReaderTest::leavesScriptsHandlersFormsAndFramesOut() {
  QVERIFY(load(QStringLiteral("/hostile.html")));
  const QVariant erred = runInPage(QStringLiteral("window.erred || 0"));
  const Answer answer = extract();
  QVERIFY(answer.article);
  const std::string text = allText(*answer.article);
  QVERIFY(has(text, "Handled paragraph."));
  for (const char* gone :
       {"window.clicked", "ScriptSource", "StyleText", "FormLabel", "FormValue", "FormTextarea",
        "FormOption", "FormButton", "FrameFallback", "ObjectFallback", "NoscriptText",
        "TemplateText", "PreCanvas", "SvgText", "MathText"}) {
    QVERIFY2(!has(text, gone), gone);
  }
  std::vector<std::string> addresses;
  for (const ReaderArticle::Link& link : answer.article->links) addresses.push_back(link.address);
  QCOMPARE(addresses, (std::vector<std::string>{
                          server_.url(QStringLiteral("/more.html")).toString().toStdString(),
                          "file:///tmp/local.html"}));
  // Reading the article ran none of the page's handlers: the copy loads no image.
  QCOMPARE(runInPage(QStringLiteral("window.erred || 0")), erred);
  QCOMPARE(runInPage(QStringLiteral("typeof window.clicked")).toString(),
           QStringLiteral("undefined"));
}

void ReaderTest::pageScriptsNeitherSeeNorChangeIt() {
  QVERIFY(load(QStringLiteral("/tampering.html")));
  const Answer answer = extract();
  QVERIFY(answer.article);
  QCOMPARE(answer.article->title, std::string("Notes from the harbour at low tide"));
  const std::string text = allText(*answer.article);
  QVERIFY(has(text, "hand-bound books"));
  QVERIFY(!has(text, "Tampered"));
  // Nothing of the extraction reached the page's world: no change to its document, none of
  // the library's names.
  QCOMPARE(runInPage(QStringLiteral("window.mutations")).toInt(), 0);
  QCOMPARE(runInPage(QStringLiteral("typeof isProbablyReaderable")).toString(),
           QStringLiteral("undefined"));
}

void ReaderTest::pageWithoutArticleHasNone() {
  QVERIFY(load(QStringLiteral("/none.html")));
  const Answer answer = extract();
  QCOMPARE(answer.answers, 1);
  QVERIFY(!answer.article);
}

void ReaderTest::hugePageIsRefused() {
  QVERIFY(load(QStringLiteral("/huge.html")));
  QVERIFY(runInPage(QStringLiteral("document.getElementsByTagName('*').length")).toInt() >
          ReaderLimits().maxElements);
  const Answer answer = extract();
  QCOMPARE(answer.answers, 1);
  QVERIFY(!answer.article);
  // The size is what refuses: an article page is refused too when its elements are more than
  // the limit allows.
  QVERIFY(load(QStringLiteral("/article.html")));
  ReaderLimits tight;
  tight.maxElements = 20;
  QVERIFY(!extract(tight).article);
}

void ReaderTest::pageThatKeepsRewritingItselfIsGivenUpAtTheDeadline() {
  QVERIFY(load(QStringLiteral("/article.html")));
  // The page rewrites its document without a pause for far longer than the deadline; the
  // extraction waits behind it.
  bool rewritten = false;
  page_->runJavaScript(QStringLiteral("var end = Date.now() + 4000;"
                                      "while (Date.now() < end) document.title = Date.now();"),
                       [&](const QVariant&) { rewritten = true; });
  ReaderLimits limits;
  limits.deadlineMs = 1000;
  const Answer answer = extract(limits);
  QCOMPARE(answer.answers, 1);
  QVERIFY(!answer.article);
  // The deadline, not the page, ended the wait.
  QVERIFY(!rewritten);
  QVERIFY(TestProgram::waitUntil([&] { return rewritten; }, 20000));
}

void ReaderTest::documentReplacedMeanwhileGivesNoArticle() {
  QVERIFY(load(QStringLiteral("/article.html")));
  bool busyDone = false;
  page_->runJavaScript(QStringLiteral("var end = Date.now() + 2000; while (Date.now() < end) {}"),
                       [&](const QVariant&) { busyDone = true; });
  ReaderLimits limits;
  limits.deadlineMs = 60000;
  int answers = 0;
  bool found = false;
  auto* extraction = new ReaderExtraction(page_, limits);
  connect(extraction, &ReaderExtraction::articleReady, this, [&] {
    ++answers;
    found = true;
  });
  connect(extraction, &ReaderExtraction::notAvailable, this, [&] { ++answers; });
  extraction->start();
  page_->load(server_.url(QStringLiteral("/other.html")));
  QVERIFY(TestProgram::waitUntil([&] { return answers > 0; }, 20000));
  QVERIFY(!found);
  QVERIFY(!extraction->running());
  // The old document's late answer, once the renderer is free again, is not taken.
  QVERIFY(TestProgram::waitUntil(
      [&] { return busyDone && page_->title() == QLatin1String("Other"); }, 30000));
  QCOMPARE(answers, 1);
}

QTEST_MAIN(ReaderTest)
#include "tst_reader.moc"
