#include "browser/BrowserEventSequencer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "RecordingBrowserEvents.h"
#include "platform/IBrowserControl.h"

namespace corvane {
namespace {

using Events = std::vector<std::string>;

const char kA[] = "http://site.test/a.html";
const char kB[] = "http://site.test/b.html";
// What the engine calls a page without a title of its own: its address without the scheme.
const char kStandInA[] = "site.test/a.html";
const char kStandInB[] = "site.test/b.html";

// A sequencer and a sink, with the engine's reports for the usual steps of a load.
struct Rig {
  Rig() { seq.setEventSink(&sink); }

  void start(const std::string& url) {
    seq.navigationStarted(url);
    seq.loadStarted(url);
  }
  // The document arrives: the address changes and the title is the engine's stand-in.
  void commit(const std::string& url, const std::string& standIn) {
    seq.urlChanged(url, standIn, false);
    seq.documentCreated(url);
  }
  void load() {
    seq.documentLoaded(seq.LocationURL());
    seq.loadFinished(seq.LocationURL());
  }
  void begin(const std::string& url) {
    seq.navigateCalled(url);
    start(url);
  }
  void open(const std::string& url, const std::string& standIn) {
    begin(url);
    commit(url, standIn);
  }
  // A whole load of a titled page, from the Navigate call on.
  void visit(const std::string& url, const std::string& standIn, const std::string& title) {
    open(url, standIn);
    seq.titleChanged(title);
    seq.documentParsed();
    load();
  }

  long completions() {
    const Events events = sink.take();
    return std::count(events.begin(), events.end(), "NavigateComplete2");
  }

  BrowserEventSequencer seq;
  RecordingBrowserEvents sink;
};

// A rig on a titled page A, its events taken.
struct OnPageA : Rig {
  OnPageA() {
    visit(kA, kStandInA, "Page A");
    sink.take();
  }
};

TEST(BrowserEventSequencerTest, ALoadCompletesAtCommitAndEndsWhenItsDocumentHasLoaded) {
  Rig rig;
  std::vector<bool> busyAt;
  std::vector<std::string> locationAt;
  rig.sink.setOnEvent([&](const std::string& event) {
    if (event == "NavigateComplete2" || event == "DownloadComplete") {
      busyAt.push_back(rig.seq.Busy());
      locationAt.push_back(rig.seq.LocationURL() + " | " + rig.seq.LocationName());
    }
  });
  EXPECT_FALSE(rig.seq.Busy());

  rig.seq.navigateCalled(kA);
  EXPECT_TRUE(rig.seq.Busy()) << "busy from the call, before the engine reports anything";
  rig.start(kA);
  rig.seq.loadProgress(30);
  EXPECT_EQ(rig.sink.take(), (Events{"Progress:0/1000000", "Progress:300000/1000000"}))
      << "the pane's own 'Going to' stands until the page arrives";

  rig.commit(kA, kStandInA);
  rig.seq.titleChanged("Page A");
  rig.seq.documentParsed();
  rig.seq.loadProgress(80);
  // Everything a pane shows for the new page is out, while its images still load.
  EXPECT_EQ(rig.sink.take(), (Events{"Status:Loading http://site.test/a.html...",
                                     "NavigateComplete2", "Progress:800000/1000000"}));
  EXPECT_TRUE(rig.seq.Busy());

  rig.load();
  EXPECT_EQ(rig.sink.take(), (Events{"Progress:-1/0", "DownloadComplete", "Status:Done"}));
  EXPECT_FALSE(rig.seq.Busy());
  EXPECT_EQ(busyAt, (std::vector<bool>{true, false}));
  EXPECT_EQ(locationAt,
            (Events{"http://site.test/a.html | Page A", "http://site.test/a.html | Page A"}));
}

TEST(BrowserEventSequencerTest, NavigateComplete2WaitsForTheNewPagesTitleNeverShowingTheOldOne) {
  Rig rig;
  std::string nameAtComplete;
  rig.sink.setOnEvent([&](const std::string& event) {
    if (event == "NavigateComplete2") nameAtComplete = rig.seq.LocationName();
  });
  rig.visit(kA, kStandInA, "Page A");
  rig.sink.take();

  rig.open(kB, kStandInB);
  EXPECT_EQ(rig.seq.LocationName(), kB) << "the new page's address, not 'Page A'";
  EXPECT_EQ(rig.sink.take(),
            (Events{"Progress:0/1000000", "Status:Loading http://site.test/b.html..."}));
  rig.seq.titleChanged("Page B");
  EXPECT_EQ(rig.sink.take(), (Events{"NavigateComplete2"}));
  EXPECT_EQ(nameAtComplete, "Page B");
  rig.seq.documentParsed();
  rig.load();
  EXPECT_EQ(rig.sink.take(), (Events{"Progress:-1/0", "DownloadComplete", "Status:Done"}));

  // A page without a title completes once it has been parsed, named by its whole address.
  rig.open(kA, kStandInA);
  rig.seq.titleChanged("");
  EXPECT_EQ(rig.sink.take().back(), "Status:Loading http://site.test/a.html...");
  rig.seq.documentParsed();
  EXPECT_EQ(rig.sink.take(), (Events{"NavigateComplete2"}));
  EXPECT_EQ(nameAtComplete, kA);

  // Back to a page the engine remembers the title of: nothing to wait for.
  rig.load();
  rig.sink.take();
  rig.start(kB);
  rig.seq.urlChanged(kB, "Page B", false);
  EXPECT_EQ(rig.sink.take().back(), "NavigateComplete2");
  EXPECT_EQ(nameAtComplete, "Page B");
}

TEST(BrowserEventSequencerTest, AHeldCompletionIsReleasedByWhateverEndsTheNavigation) {
  // Stopped after the commit, before the title or the parse.
  Rig stopped;
  stopped.open(kA, kStandInA);
  stopped.sink.take();
  stopped.seq.stopCalled();
  stopped.seq.loadFinished(kA);
  EXPECT_EQ(stopped.sink.take(),
            (Events{"NavigateComplete2", "Progress:-1/0", "DownloadComplete", "Status:Done"}));

  // The next navigation begins before the first one's title arrived.
  Rig superseded;
  superseded.open(kA, kStandInA);
  superseded.sink.take();
  superseded.seq.navigateCalled(kB);
  EXPECT_EQ(superseded.sink.take(), (Events{"NavigateComplete2"}));
  EXPECT_TRUE(superseded.seq.Busy());
}

TEST(BrowserEventSequencerTest, ANavigationThatNeverCommitsCompletesNothing) {
  OnPageA rig;

  rig.begin(kB);
  rig.seq.stopCalled();
  EXPECT_FALSE(rig.seq.Busy());
  rig.seq.loadFinished(kB);  // the engine's own report of the stop
  EXPECT_EQ(rig.sink.take(),
            (Events{"Progress:0/1000000", "Progress:-1/0", "DownloadComplete", "Status:Done"}));
  EXPECT_EQ(rig.seq.LocationURL(), kA);
  EXPECT_EQ(rig.seq.LocationName(), "Page A");

  // Refused before commit (no error page): the engine's end of load alone ends it.
  rig.begin("foo:bar");
  rig.seq.loadFinished("foo:bar");
  EXPECT_EQ(rig.sink.events().back(), "Status:Done");
  EXPECT_EQ(rig.completions(), 0);
  EXPECT_FALSE(rig.seq.Busy());
}

TEST(BrowserEventSequencerTest, ANavigateRightAfterStopLoadsWhole) {
  // Stopped before its document came or after it (its images still loading). After the next
  // Navigate call the engine may report the stopped load's end, or not at all, and may show the
  // new address at once, before it begins the load; the commit then changes no address.
  const std::string c = "http://site.test/c.html";
  for (const bool committed : {false, true}) {
    for (const bool lateEnd : {true, false}) {
      for (const bool earlyAddress : {true, false}) {
        OnPageA rig;
        committed ? rig.open(kB, "Page B") : rig.begin(kB);
        rig.seq.stopCalled();
        rig.sink.take();
        rig.seq.navigateCalled(c);
        if (earlyAddress) rig.seq.urlChanged(c, "site.test/c.html", false);
        if (lateEnd) rig.seq.loadFinished(kB);
        EXPECT_TRUE(rig.seq.Busy()) << committed << lateEnd << earlyAddress;
        rig.start(c);
        earlyAddress ? rig.seq.documentCreated(c) : rig.commit(c, "site.test/c.html");
        rig.seq.titleChanged("Page C");
        rig.load();
        EXPECT_EQ(rig.sink.take(),
                  (Events{"Progress:0/1000000", "Status:Loading http://site.test/c.html...",
                          "NavigateComplete2", "Progress:-1/0", "DownloadComplete", "Status:Done"}))
            << committed << lateEnd << earlyAddress;
        EXPECT_EQ(rig.seq.LocationURL() + " | " + rig.seq.LocationName(), c + " | Page C");
      }
    }
  }
  // No end came for the stopped load, and the next one is refused before it commits: its own
  // end of load is no echo of the stopped one.
  Rig refused;
  refused.begin(kB);
  refused.seq.stopCalled();
  refused.begin("foo:bar");
  refused.seq.loadFinished("foo:bar");
  EXPECT_FALSE(refused.seq.Busy());
}

TEST(BrowserEventSequencerTest, ASupersededDocumentFinishingDoesNotEndTheNextNavigation) {
  // The user leaves A, committed and loading its images, for B; A's images finish while B's
  // server has not answered yet. The engine ends its "load" then and reports nothing more of B
  // but its address and its documents.
  Rig rig;
  rig.open(kA, kStandInA);
  rig.seq.titleChanged("Page A");
  rig.seq.navigateCalled(kB);
  rig.seq.navigationStarted(kB);
  rig.sink.take();

  rig.seq.documentLoaded(kA);  // A
  rig.seq.loadFinished(kA);
  EXPECT_TRUE(rig.seq.Busy());
  EXPECT_TRUE(rig.sink.take().empty());

  rig.commit(kB, kStandInB);
  rig.seq.titleChanged("Page B");
  EXPECT_EQ(rig.sink.take(),
            (Events{"Status:Loading http://site.test/b.html...", "NavigateComplete2"}));
  rig.seq.documentLoaded(kB);  // B; the engine's load is over already and says nothing more
  EXPECT_EQ(rig.sink.take(), (Events{"Progress:-1/0", "DownloadComplete", "Status:Done"}));
  EXPECT_FALSE(rig.seq.Busy());

  // The next load is told apart from the echo of the last one.
  rig.begin(kA);
  rig.seq.stopCalled();
  EXPECT_FALSE(rig.seq.Busy());
}

TEST(BrowserEventSequencerTest, TheEnginesEndOfLoadAfterADocumentsLoadIsNotASecondEnd) {
  OnPageA rig;
  // A Navigate arriving between the two does not end with the echo.
  rig.open(kB, kStandInB);
  rig.seq.titleChanged("Page B");
  rig.seq.documentLoaded(kB);
  rig.seq.navigateCalled(kA);
  rig.seq.loadFinished(kB);  // B's, late
  EXPECT_TRUE(rig.seq.Busy());
}

TEST(BrowserEventSequencerTest, SameAddressNavigationsCompleteWhenTheirDocumentIsCreated) {
  OnPageA rig;
  rig.seq.documentCreated(kA);  // outside a navigation: nothing to complete
  EXPECT_TRUE(rig.sink.take().empty());

  // No address change: the new document is the only sign of the commit.
  rig.begin(kA);
  rig.seq.documentCreated(kA);
  EXPECT_EQ(rig.sink.take(),
            (Events{"Progress:0/1000000", "Status:Loading http://site.test/a.html...",
                    "NavigateComplete2"}));
  // Its document's own creation report after an address change adds nothing.
  rig.load();
  rig.open(kB, "Page B");
  EXPECT_EQ(rig.completions(), 1);
}

TEST(BrowserEventSequencerTest, RefreshCompletesOnlyIfThePageMovedElsewhere) {
  OnPageA rig;
  rig.seq.refreshCalled();
  rig.start(kA);
  rig.seq.documentCreated(kA);
  rig.seq.documentParsed();
  rig.load();
  EXPECT_EQ(rig.sink.take(),
            (Events{"Status:Opening page http://site.test/a.html...", "Progress:0/1000000",
                    "Status:Loading http://site.test/a.html...", "Progress:-1/0",
                    "DownloadComplete", "Status:Done"}));

  rig.seq.refreshCalled();
  rig.start(kA);
  rig.commit(kB, "Page B");  // the server sends the reload elsewhere now
  rig.load();
  EXPECT_EQ(rig.completions(), 1);

  // A refresh does not make the next navigation a refresh too.
  rig.begin(kB);
  rig.seq.documentCreated(kB);
  EXPECT_EQ(rig.completions(), 1);
}

TEST(BrowserEventSequencerTest, MovesWithinThePageCompleteOnTheirOwn) {
  OnPageA rig;
  // A fragment link or history.pushState: no load at all.
  rig.seq.urlChanged("http://site.test/a.html#part", "Page A", false);
  EXPECT_EQ(rig.sink.take(), (Events{"NavigateComplete2"}));
  EXPECT_EQ(rig.seq.LocationURL(), "http://site.test/a.html#part");
  EXPECT_EQ(rig.seq.LocationName(), "Page A");
  EXPECT_FALSE(rig.seq.Busy());

  // A typed fragment that the engine serves as such a move ends the Navigate call.
  rig.seq.navigateCalled("http://site.test/a.html#other");
  EXPECT_TRUE(rig.seq.Busy());
  rig.seq.urlChanged("http://site.test/a.html#other", "Page A", false);
  EXPECT_EQ(rig.sink.take(),
            (Events{"NavigateComplete2", "Progress:-1/0", "DownloadComplete", "Status:Done"}));
  EXPECT_FALSE(rig.seq.Busy());

  // A script moving on during the load: each address the page reaches completes.
  rig.open(kA, "Page A");
  rig.seq.urlChanged(kB, kStandInB, false);
  rig.seq.titleChanged("Page B");
  EXPECT_EQ(rig.completions(), 2);
  EXPECT_EQ(rig.seq.LocationURL(), kB);
}

TEST(BrowserEventSequencerTest, TheCannotOpenNoticeEndsTheLoadButCompletesNoNavigation) {
  OnPageA rig;
  const std::string typed = "garbage text here";
  rig.begin(typed);
  rig.seq.urlChanged(typed, "", true);
  rig.seq.documentCreated(typed);
  rig.seq.titleChanged("Cannot open garbage text here");
  rig.seq.documentParsed();
  EXPECT_EQ(rig.seq.LocationURL(), typed);
  EXPECT_EQ(rig.seq.LocationName(), "Cannot open garbage text here");
  rig.load();
  EXPECT_EQ(rig.sink.take(), (Events{"Progress:0/1000000", "Status:Loading garbage text here...",
                                     "Progress:-1/0", "DownloadComplete", "Status:Done"}));
  // Reloading it, or coming back to it, completes nothing either.
  rig.seq.refreshCalled();
  rig.start(typed);
  rig.seq.documentCreated(typed);
  rig.load();
  EXPECT_EQ(rig.completions(), 0);
}

TEST(BrowserEventSequencerTest, ALeftPagesLateReportsNeitherCommitNorEndTheNext) {
  // One address typed right after another. The first page's address, its document's reports and
  // the engine's end of its load may each come after the second has begun: the second must end
  // with its own document, at its own address, or the pane puts the first address back in its
  // box.
  const std::string first = "javascript:1";
  const std::string second = "vbscript:0";
  for (const int inTime : {0, 1, 2}) {
    Rig rig;
    std::vector<std::string> endedAt;
    rig.sink.setOnEvent([&](const std::string& event) {
      if (event == "DownloadComplete") endedAt.push_back(rig.seq.LocationURL());
    });
    const std::vector<std::function<void()>> firstSteps = {
        [&] { rig.seq.urlChanged(first, "", true); },
        [&] {
          rig.seq.documentCreated(first);
          rig.seq.documentLoaded(first);
        },
        [&] { rig.seq.loadFinished(first); }};
    rig.begin(first);
    for (int step = 0; step < inTime; ++step) firstSteps[step]();
    rig.seq.navigateCalled(second);
    rig.start(second);
    for (int step = inTime; step < 3; ++step) {
      firstSteps[step]();
      EXPECT_TRUE(rig.seq.Busy()) << inTime << step;
    }
    rig.seq.urlChanged(second, "", true);
    rig.seq.documentCreated(second);
    rig.seq.documentLoaded(second);
    EXPECT_FALSE(rig.seq.Busy()) << inTime;
    EXPECT_EQ(endedAt, (inTime == 2 ? Events{first, second} : Events{second})) << inTime;
  }
}

TEST(BrowserEventSequencerTest, StatusTextsAreNeverBlankWhileBusyAndLinksComeAndGo) {
  Rig rig;
  rig.seq.linkHovered("http://site.test/x.html");  // idle: raised, the pane decides
  rig.seq.linkHovered("");
  EXPECT_EQ(rig.sink.take(), (Events{"Status:http://site.test/x.html", "Status:Done"}));

  rig.begin(kA);
  rig.seq.linkHovered("");  // the engine's "no link" as the page changes: already said
  rig.seq.linkHovered("http://site.test/x.html");
  rig.seq.linkHovered("");
  EXPECT_EQ(rig.sink.take(), (Events{"Progress:0/1000000", "Status:http://site.test/x.html",
                                     "Status:Opening page http://site.test/a.html..."}));
  rig.commit(kA, kStandInA);
  rig.seq.titleChanged("Page A");
  rig.seq.linkHovered("http://site.test/y.html");
  rig.seq.linkHovered("");
  rig.seq.linkHovered("");
  EXPECT_EQ(rig.sink.take(), (Events{"Status:Loading http://site.test/a.html...",
                                     "NavigateComplete2", "Status:http://site.test/y.html",
                                     "Status:Loading http://site.test/a.html..."}));
}

TEST(BrowserEventSequencerTest, BackAndForwardStatesAreRaisedOnlyWhenTheyChange) {
  Rig rig;
  rig.seq.historyActionChanged(CSC_NAVIGATEBACK, false);
  rig.seq.historyActionChanged(CSC_NAVIGATEBACK, true);
  rig.seq.historyActionChanged(CSC_NAVIGATEBACK, true);
  rig.seq.historyActionChanged(CSC_NAVIGATEFORWARD, true);
  rig.seq.historyActionChanged(CSC_NAVIGATEFORWARD, false);
  rig.seq.historyActionChanged(7, true);
  EXPECT_EQ(rig.sink.take(), (Events{"Command:2=1", "Command:1=1", "Command:1=0"}));
}

// The bar is never full while a part of the page is still on its way: the end empties it.
TEST(BrowserEventSequencerTest, ProgressIsScaledAndOnlyRaisedDuringANavigationNeverFull) {
  Rig rig;
  rig.seq.loadProgress(50);
  EXPECT_TRUE(rig.sink.take().empty());
  rig.start(kA);
  rig.sink.take();
  rig.seq.loadProgress(1);
  rig.seq.loadProgress(100);
  rig.seq.loadProgress(130);
  EXPECT_EQ(rig.sink.take(), (Events{"Progress:10000/1000000", "Progress:900000/1000000",
                                     "Progress:900000/1000000"}));
}

// A slow server gives no progress at all until it answers: the bar creeps meanwhile, never back.
TEST(BrowserEventSequencerTest, WhileTheAnswerIsAwaitedTheBarCreepsBelowAThird) {
  Rig rig;
  rig.seq.waitingTick();
  EXPECT_TRUE(rig.sink.take().empty()) << "idle";
  rig.begin(kA);
  rig.sink.take();
  for (int i = 0; i < 200; ++i) rig.seq.waitingTick();
  Events ticks = rig.sink.take();
  ASSERT_GT(ticks.size(), 10u);
  EXPECT_EQ(ticks.front(), "Progress:30000/1000000");
  EXPECT_EQ(ticks.back(), "Progress:300000/1000000");
  rig.seq.loadProgress(10);
  rig.commit(kA, "Page A");
  rig.seq.waitingTick();
  rig.seq.loadProgress(50);
  EXPECT_EQ(rig.sink.take(),
            (Events{"Progress:300000/1000000", "Status:Loading http://site.test/a.html...",
                    "NavigateComplete2", "Progress:500000/1000000"}));
}

TEST(BrowserEventSequencerTest, EventsGoToTheSinkRegisteredAtTheirMoment) {
  Rig rig;
  RecordingBrowserEvents other;
  rig.begin(kA);
  rig.seq.setEventSink(nullptr);
  rig.commit(kA, "Page A");  // nobody listens; the state still moves on
  EXPECT_EQ(rig.seq.LocationURL(), kA);
  rig.seq.setEventSink(&other);
  rig.load();
  EXPECT_EQ(rig.sink.take(), (Events{"Progress:0/1000000"}));
  EXPECT_EQ(other.take(), (Events{"Progress:-1/0", "DownloadComplete", "Status:Done"}));
  EXPECT_FALSE(rig.seq.Busy());

  // A handler that hands the events to another sink, or drops them, mid-sequence.
  rig.seq.setEventSink(&rig.sink);
  rig.sink.setOnEvent([&](const std::string& event) {
    if (event == "NavigateComplete2") rig.seq.setEventSink(&other);
  });
  other.setOnEvent([&](const std::string& event) {
    if (event == "Progress:-1/0") rig.seq.setEventSink(nullptr);
  });
  rig.open(kB, "Page B");
  rig.load();
  EXPECT_EQ(rig.sink.take().back(), "NavigateComplete2");
  EXPECT_EQ(other.take(), (Events{"Progress:-1/0"}));
}

TEST(BrowserEventSequencerTest, AHandlerMayStartTheNextNavigationFromInsideAnEvent) {
  Rig rig;
  rig.sink.setOnEvent([&](const std::string& event) {
    if (event == "DownloadComplete") rig.seq.navigateCalled(kB);
  });
  rig.open(kA, "Page A");
  rig.load();
  EXPECT_TRUE(rig.seq.Busy()) << "the navigation begun in the handler is under way";
}

}  // namespace
}  // namespace corvane
