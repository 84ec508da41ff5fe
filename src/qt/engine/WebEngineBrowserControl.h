#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

#include "browser/AddressInput.h"
#include "browser/BrowserEventSequencer.h"
#include "browser/LeaveRetry.h"
#include "browser/LocalFileRoute.h"
#include "browser/StandInPages.h"
#include "platform/IBrowserControl.h"

class QTimer;
class QWebEngineLoadingInfo;
class QWebEngineNavigationRequest;
class QWebEngineView;

namespace corvane {

class BrowserPage;
class IBrowserEvents;
class PageCommands;

// IBrowserControl over one QWebEngineView. It only translates: the engine's signals become
// plain calls on a BrowserEventSequencer, which raises the control's events in the order the
// panes rely on and answers Busy, LocationURL and LocationName.
//
// Navigate opens what AddressInput lets through, made an address by the engine's reading of
// user input (a bare host, a path, a file name in the working folder). Anything else gets
// Corvane's own "cannot open" page, saying why; while it shows, LocationURL is the text as
// typed, and the navigation ends without NavigateComplete2 (the pane keeps the typed text in its
// box for correcting, and its address list is not given a non-address).
//
// A local file the engine would only offer as a download is shown in its place (LocalFileRoute):
// text as plain text, anything else as a page naming the file with a button that opens it in the
// desktop's application. Either stands in for the file (StandInPages): LocationURL is the file's
// address, and the navigation completes like any other, so a folder view's slide show goes on.
class WebEngineBrowserControl : public QObject, public IBrowserControl {
  Q_OBJECT
 public:
  // `page` is what the view shows from now on; it becomes the view's. `workingFolder` resolves
  // relative file names typed into the address box.
  WebEngineBrowserControl(QWebEngineView* view, BrowserPage* page, const QString& workingFolder);
  ~WebEngineBrowserControl() override;

  void Navigate(const std::string& address) override;
  void GoBack() override;
  void GoForward() override;
  void Stop() override;
  void Refresh() override;
  void ExecWB(int32_t command, int32_t option) override;
  std::string LocationURL() const override;
  std::string LocationName() const override;
  bool Busy() const override;
  void SetFocus() override;
  void SetEventSink(IBrowserEvents* sink) override;

  QWebEngineView* view() const { return view_; }

  // The two controls' views change pages, each page with its history, its load under way and
  // what the control knows of it; each control keeps its view and its event sink, so a page
  // reports to the pane that now shows it.
  void swapPages(WebEngineBrowserControl& other);

 private:
  // The engine's address for what AddressInput let through; invalid when it makes none.
  QUrl engineUrl(const AddressInput& input) const;
  void showCannotOpen(const std::string& typed, AddressInput::Refusal why,
                      const std::string& scheme);
  // The address as the control reports it: a stand-in's is what it stands for.
  std::string reported(const QUrl& url) const;
  // Shows a local file of `kind` the way `route` says; false when the engine shows it.
  bool showLocalFile(const QUrl& fileUrl, const LocalFileKind& kind, LocalFileRoute route);
  // A page's own request to go somewhere: true when it was the button of a local file's page,
  // which opens the file on the desktop instead.
  bool openedOnDesktop(const QUrl& url);
  // A title as the events report it (StandInPages::title).
  std::string pageTitle(const QString& title) const;
  void onLoadingChanged(const QWebEngineLoadingInfo& info);
  void onUrlChanged(const QUrl& url);
  void onTitleChanged(const QString& title);
  void onNavigationRequested(QWebEngineNavigationRequest& request);
  void onLeaveAnswered(bool leave);
  void onWaitingTick();
  void again(const LeaveRetry::Request& request);
  void connectPage();

  QWebEngineView* view_;
  QString workingFolder_;
  BrowserPage* page_;
  // What is known of the page; it goes with the page when the pages are swapped.
  std::unique_ptr<BrowserEventSequencer> events_;
  IBrowserEvents* sink_ = nullptr;
  // The stand-ins shown so far, which Back and Forward can return to; they go with the page.
  StandInPages standIns_;
  PageCommands* pageCommands_;
  // Ticks the sequencer while a load runs, for the bar's creep while an answer is awaited.
  QTimer* waitingTimer_;
  LeaveRetry retry_;
};

}  // namespace corvane
