#pragma once

#include <QHash>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

#include "browser/AddressInput.h"
#include "browser/BrowserEventSequencer.h"
#include "platform/IBrowserControl.h"

class QTimer;
class QWebEngineLoadingInfo;
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
// A local file the engine would only offer as a download is shown in its place (LocalFileKind):
// text as plain text, anything else as a page naming the file with a button that opens it in the
// desktop's application. Either stands in for the file: LocationURL is the file's address, and
// the navigation completes like any other, so a folder view's slide show goes on.
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
  // The address as the control reports it: a "cannot open" page's is the text typed.
  std::string reported(const QUrl& url) const;
  bool isCannotOpenPage(const QUrl& url) const;
  // Shows a local file the engine would not show itself; false when the engine shows it.
  bool showLocalFile(const QUrl& fileUrl);
  // A page's own request to go somewhere: true when it was the button of a local file's page,
  // which opens the file on the desktop instead.
  bool openedOnDesktop(const QUrl& url);
  // A title as the events report it: empty while a "cannot open" page has only its stand-in.
  std::string pageTitle(const QString& title) const;
  void onLoadingChanged(const QWebEngineLoadingInfo& info);
  void onUrlChanged(const QUrl& url);
  void onTitleChanged(const QString& title);
  void connectPage();

  QWebEngineView* view_;
  QString workingFolder_;
  BrowserPage* page_;
  // What is known of the page; it goes with the page when the pages are swapped.
  std::unique_ptr<BrowserEventSequencer> events_;
  IBrowserEvents* sink_ = nullptr;
  // The "cannot open" pages shown so far (their engine address) and the text each was for; Back
  // and Forward can return to them.
  QHash<QString, QString> cannotOpen_;
  // The pages standing in for local files (their engine address) and each file's address.
  QHash<QString, QString> standIns_;
  // The addresses of the "Open with" buttons shown so far: the page each is on and its file.
  QHash<QString, QPair<QString, QString>> openButtons_;
  // Drawn afresh for each control, so that no web page can name a button's address.
  QString buttonBase_;
  PageCommands* pageCommands_;
  // Ticks the sequencer while a load runs, for the bar's creep while an answer is awaited.
  QTimer* waitingTimer_;
  // The last request of the pane's that the page may keep from happening with its leave-page
  // question; made again once the user agrees to leave.
  std::function<void(WebEngineBrowserControl&)> again_;
};

}  // namespace corvane
