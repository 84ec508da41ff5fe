// A pane's page view on the real engine: what the session keeps of a page's history comes back
// whole in another view, and a page frozen while hidden runs again where it was.
#include <QTest>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>

#include <memory>
#include <string>

#include "LoopbackHttpServer.h"
#include "TestProgram.h"
#include "browser/SitePermissions.h"
#include "platform/IBrowserControl.h"
#include "qt/engine/WebEnginePageView.h"
#include "qt/page/BrowserPage.h"
#include "qt/page/PageDialogChannel.h"

using corvane::PageLifecycle;
using corvane::WebEnginePageView;

class PageViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void aSavedHistoryComesBackWholeInAnotherView();
  void aFrozenPageRunsAgainWithoutALoad();

 private:
  // A view in a holder of its own, as a pane makes them.
  std::unique_ptr<WebEnginePageView> makeView();
  bool visit(WebEnginePageView& view, const char* path);

  LoopbackHttpServer server_;
  std::unique_ptr<QWebEngineProfile> profile_;
  corvane::SitePermissions permissions_;
  corvane::PageDialogChannel dialogs_{nullptr};
  corvane::PageServices services_{permissions_, dialogs_};
  QWidget window_;
};

void PageViewTest::initTestCase() {
  QVERIFY(server_.start());
  server_.addPage(QStringLiteral("/a.html"), QStringLiteral("Page A"));
  server_.addPage(QStringLiteral("/b.html"), QStringLiteral("Page B"));
  profile_ = std::make_unique<QWebEngineProfile>();  // off the record
  new QVBoxLayout(&window_);
  window_.resize(400, 300);
  window_.show();
}

std::unique_ptr<WebEnginePageView> PageViewTest::makeView() {
  auto* holder = new QWidget(&window_);
  auto* view = new QWebEngineView(holder);
  window_.layout()->addWidget(holder);
  return std::make_unique<WebEnginePageView>(
      holder, view, new corvane::BrowserPage(profile_.get(), services_, view), QString());
}

bool PageViewTest::visit(WebEnginePageView& view, const char* path) {
  const QUrl url = server_.url(QString::fromLatin1(path));
  view.Control().Navigate(url.toString().toStdString());
  return TestProgram::waitUntil([&] { return view.view()->url() == url && !view.Control().Busy(); },
                                20000);
}

void PageViewTest::aSavedHistoryComesBackWholeInAnotherView() {
  std::unique_ptr<WebEnginePageView> first = makeView();
  QVERIFY(visit(*first, "/a.html"));
  QVERIFY(visit(*first, "/b.html"));
  const std::string saved = first->SaveHistory();
  const corvane::PageHistory history = first->History();
  QCOMPARE(history.entries.size(), std::size_t(2));
  QCOMPARE(history.current, 1);
  QCOMPARE(history.entries[0].title, std::string("Page A"));

  std::unique_ptr<WebEnginePageView> second = makeView();
  QVERIFY(second->RestoreHistory(saved));
  QVERIFY(TestProgram::waitUntil([&] { return second->view()->title() == QLatin1String("Page B"); },
                                 20000));
  QVERIFY(second->view()->history()->canGoBack());
  second->Control().GoBack();
  QVERIFY(TestProgram::waitUntil(
      [&] { return second->view()->url() == server_.url(QStringLiteral("/a.html")); }, 20000));

  // What is not the engine's record of a history is refused, and the view stays empty.
  std::unique_ptr<WebEnginePageView> third = makeView();
  QVERIFY(!third->RestoreHistory("not a history"));
  second->ClearHistory();
  QCOMPARE(second->view()->history()->count(), 1);
}

void PageViewTest::aFrozenPageRunsAgainWithoutALoad() {
  std::unique_ptr<WebEnginePageView> page = makeView();
  QVERIFY(visit(*page, "/a.html"));
  int loads = 0;
  connect(page->view(), &QWebEngineView::loadStarted, this, [&loads] { ++loads; });
  // Only a page out of sight may be frozen.
  page->holder()->hide();
  page->SetLifecycle(PageLifecycle::Frozen);
  QCOMPARE(page->view()->page()->lifecycleState(), QWebEnginePage::LifecycleState::Frozen);
  page->holder()->show();
  page->SetLifecycle(PageLifecycle::Active);
  QCOMPARE(page->view()->page()->lifecycleState(), QWebEnginePage::LifecycleState::Active);
  QTest::qWait(300);
  QCOMPARE(loads, 0);
  QCOMPARE(page->view()->title(), QStringLiteral("Page A"));
  // And it runs: it goes on to another page.
  page->Control().Navigate(server_.url(QStringLiteral("/b.html")).toString().toStdString());
  QVERIFY(TestProgram::waitUntil([&] { return page->view()->title() == QLatin1String("Page B"); },
                                 20000));
  QCOMPARE(page->view()->history()->count(), 2);
}

QTEST_MAIN(PageViewTest)
#include "tst_page_view.moc"
