// The browser control on the real engine: the events a pane receives, in order, for the loads
// whose timing is the engine's to choose.
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "LoopbackHttpServer.h"
#include "RecordingBrowserEvents.h"
#include "TestProgram.h"
#include "browser/SitePermissions.h"
#include "qt/engine/WebEngineBrowserControl.h"
#include "qt/page/BrowserPage.h"
#include "qt/page/PageDialogChannel.h"

using corvane::RecordingBrowserEvents;
using corvane::WebEngineBrowserControl;
using Events = std::vector<std::string>;

namespace {
int count(const Events& events, const char* event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

// The events but the Back and Forward states, which come whenever the engine's history moves.
Events withoutCommands(const Events& events) {
  Events kept;
  std::copy_if(events.begin(), events.end(), std::back_inserter(kept),
               [](const std::string& event) { return event.rfind("Command:", 0) != 0; });
  return kept;
}
}  // namespace

class BrowserControlTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void init();
  void cleanup();
  void sameAddressCompletesAndRefreshDoesNot();
  void typedFragmentCompletesWithoutALoad();
  void nextNavigationOutlivesTheOldPageFinishing();
  void cannotOpenPageKeepsTheTypedTextWhenReturnedTo();

 private:
  std::string url(const char* path) const {
    return server_.url(QString::fromLatin1(path)).toString().toStdString();
  }
  bool visit(const std::string& address);
  bool waitIdle() {
    return TestProgram::waitUntil([&] { return !control_->Busy(); });
  }

  LoopbackHttpServer server_;
  QTemporaryDir folder_;
  std::unique_ptr<QWebEngineProfile> profile_;
  corvane::SitePermissions permissions_;
  corvane::PageDialogChannel dialogs_{nullptr};
  corvane::PageServices services_{permissions_, dialogs_};
  std::unique_ptr<QWidget> window_;
  WebEngineBrowserControl* control_ = nullptr;
  std::unique_ptr<RecordingBrowserEvents> events_;
};

void BrowserControlTest::initTestCase() {
  QVERIFY(server_.start());
  QVERIFY(folder_.isValid());
  server_.addPage(QStringLiteral("/a.html"), QStringLiteral("Page A"),
                  QStringLiteral("<p id=\"part\">part</p>"));
  server_.addPage(QStringLiteral("/b.html"), QStringLiteral("Page B"));
  profile_ = std::make_unique<QWebEngineProfile>();  // off the record
}

void BrowserControlTest::init() {
  window_ = std::make_unique<QWidget>();
  window_->resize(640, 480);
  auto* view = new QWebEngineView(window_.get());
  view->resize(640, 480);
  control_ = new WebEngineBrowserControl(
      view, new corvane::BrowserPage(profile_.get(), services_, view), folder_.path());
  events_ = std::make_unique<RecordingBrowserEvents>();
  control_->SetEventSink(events_.get());
  window_->show();
}

void BrowserControlTest::cleanup() {
  control_->SetEventSink(nullptr);
  window_.reset();  // the control goes with its view
}

bool BrowserControlTest::visit(const std::string& address) {
  control_->Navigate(address);
  const bool idle = waitIdle();
  events_->take();
  return idle && control_->LocationURL() == address;
}

void BrowserControlTest::sameAddressCompletesAndRefreshDoesNot() {
  const std::string a = url("/a.html");
  QVERIFY(visit(a));
  // Nothing about the address changes; the new document alone says the page has come.
  control_->Navigate(a);
  QVERIFY(waitIdle());
  Events events = events_->take();
  QCOMPARE(count(events, "NavigateComplete2"), 1);
  QCOMPARE(count(events, "DownloadComplete"), 1);
  QVERIFY(std::find(events.begin(), events.end(), "NavigateComplete2") <
          std::find(events.begin(), events.end(), "DownloadComplete"));

  const int requests = server_.requestCount(QStringLiteral("/a.html"));
  control_->Refresh();
  QVERIFY(TestProgram::waitUntil([&] { return count(events_->events(), "DownloadComplete") > 0; }));
  events = events_->take();
  QCOMPARE(count(events, "NavigateComplete2"), 0);
  QCOMPARE(server_.requestCount(QStringLiteral("/a.html")), requests + 1);
}

void BrowserControlTest::typedFragmentCompletesWithoutALoad() {
  const std::string a = url("/a.html");
  QVERIFY(visit(a));
  const int requests = server_.requestCount(QStringLiteral("/a.html"));
  control_->Navigate(a + "#part");
  QVERIFY(waitIdle());
  QCOMPARE(withoutCommands(events_->take()),
           (Events{"NavigateComplete2", "Progress:-1/0", "DownloadComplete", "Status:Done"}));
  QCOMPARE(control_->LocationURL(), a + "#part");
  QCOMPARE(control_->LocationName(), std::string("Page A"));
  QCOMPARE(server_.requestCount(QStringLiteral("/a.html")), requests);
}

void BrowserControlTest::nextNavigationOutlivesTheOldPageFinishing() {
  // The old page (the engine's error page for a refused connection) finishes loading just as
  // the next page's response is in; the engine then ends its load and reports nothing more of
  // the next page's. The load that ends must still be the next page's.
  const std::string b = url("/b.html");
  std::vector<std::string> endedAt;
  events_->setOnEvent([&](const std::string& event) {
    if (event == "DownloadComplete") endedAt.push_back(control_->LocationURL());
  });
  control_->Navigate("http://127.0.0.1:1/");
  QVERIFY(
      TestProgram::waitUntil([&] { return count(events_->events(), "NavigateComplete2") == 1; }));
  events_->take();
  endedAt.clear();
  control_->Navigate(b);
  QVERIFY(control_->Busy());
  QVERIFY(TestProgram::waitUntil([&] { return !control_->Busy(); }));
  const Events events = events_->take();
  QCOMPARE(count(events, "NavigateComplete2"), 1);
  QCOMPARE(endedAt, std::vector<std::string>{b});
  QCOMPARE(control_->LocationName(), std::string("Page B"));
}

void BrowserControlTest::cannotOpenPageKeepsTheTypedTextWhenReturnedTo() {
  const std::string a = url("/a.html");
  const std::string b = url("/b.html");
  const std::string typed = "garbage text here";
  QVERIFY(visit(a));
  control_->Navigate(typed);
  QVERIFY(waitIdle());
  Events events = events_->take();
  QCOMPARE(count(events, "NavigateComplete2"), 0);
  QCOMPARE(count(events, "DownloadComplete"), 1);
  QCOMPARE(control_->LocationURL(), typed);
  QCOMPARE(control_->LocationName(), "Cannot open " + typed);

  QVERIFY(visit(b));
  control_->GoBack();
  QVERIFY(TestProgram::waitUntil([&] {
    return control_->LocationURL() == typed && count(events_->events(), "DownloadComplete") == 1;
  }));
  QCOMPARE(count(events_->take(), "NavigateComplete2"), 0);
  control_->GoBack();
  QVERIFY(
      TestProgram::waitUntil([&] { return control_->LocationURL() == a && !control_->Busy(); }));
  QCOMPARE(count(events_->take(), "NavigateComplete2"), 1);
}

QTEST_MAIN(BrowserControlTest)
#include "tst_browsercontrol.moc"
