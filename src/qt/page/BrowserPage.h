#pragma once

#include <QString>
#include <QUrl>
#include <QWebEnginePage>

#include <functional>
#include <optional>

#include "qt/page/DialogSheet.h"
#include "qt/page/ExternalLinkOpener.h"
#include "qt/page/PageServices.h"

class QWebEngineNewWindowRequest;

namespace corvane {

class PageDocuments;
class PageDownloads;
class PagePopups;
class PageReader;
class PageRenderer;
class ScriptDialogs;
class SiteQuestions;

// A pane's page: what a user expects of a browser beyond the panes' own rules, each concern an
// object of the page's own. Its dialogs and leave-page question are sheets over its own pane
// (ScriptDialogs); its pop-ups open only when the user asked for them, and a new tab or window
// opens as a new page of a pane (PagePopups, setNewPageOpener); a second download it starts without
// a click asks first (PageDownloads); a site's certificate, password and feature requests are asked
// clearly (SiteQuestions); full screen gets a window of its own, and a crash a notice over the pane
// that offers to reload (PageRenderer); its links to other programs ask before they leave Corvane
// (ExternalLinkOpener); its article shows in a reader view over the pane on request (PageReader).
// A page is never trusted to be kind.
//
// It also reports the moments of each main-frame document that the engine has no reliable
// signal for (PageDocuments), heard over a channel the page's own scripts cannot reach.
class BrowserPage : public QWebEnginePage {
  Q_OBJECT
 public:
  // `services` outlive the page.
  BrowserPage(QWebEngineProfile* profile, const PageServices& services, QObject* parent);

  // A page's alert or question is up, waiting for its answer.
  bool inDialog() const;
  // The page starts a download of `url` as `file`: whether it may go on now. When the user is
  // asked first and allows it, the page starts it again.
  bool downloadRequested(const QUrl& url, const QString& file);
  // The page's script asks `kind` with `message` (and a prompt's `value`) on behalf of
  // `origin`; `done` gets the answer, none once the user has stopped the page's dialogs.
  // Giving up `request` takes the question back.
  void askFromPage(DialogSheet::Kind kind, const QUrl& origin, const QString& message,
                   const QString& value,
                   std::function<void(std::optional<bool>, const QString&)> done, QObject* request);

  // Whether `key` is the key of the document showing, and `initiator` that document's origin:
  // only then may a request of the page's own world ask over its pane.
  bool showsDocument(const QString& key, const QUrl& initiator) const;

  // The page's reader view.
  PageReader& reader() const { return *reader_; }

  // The page has been given to another view (the panes were swapped): what it shows over its
  // pane (its sheet, strips, notice and reader view) goes along.
  void followView();

  // Asked before the main frame follows a clicked link; true takes the link away from the page,
  // which then stays where it is.
  using LinkClickFilter = std::function<bool(const QUrl& url)>;
  void setLinkClickFilter(LinkClickFilter filter) { linkClickFilter_ = std::move(filter); }

  // Opens a new page the user asked for (a middle click, a link to a new tab or window), which
  // the page's pop-up rules let through; without one the page loads it itself.
  using NewPageOpener = std::function<void(QWebEngineNewWindowRequest& request)>;
  void setNewPageOpener(NewPageOpener opener) { newPageOpener_ = std::move(opener); }

 Q_SIGNALS:
  // The main frame holds a new document at `url`: its navigation has committed. Error pages, a
  // page loaded again at the same address and source views count too.
  void mainDocumentCreated(const QUrl& url);
  // The main frame's document has been parsed; its title, if it has one, is known.
  void mainDocumentParsed();
  // The main frame's document at `url` has loaded, images and all (its load event).
  void mainDocumentLoaded(const QUrl& url);
  // The user answered the page's leave-page question, which kept the page for the time being:
  // `leave` lets the next attempt to leave it through unasked.
  void leaveAnswered(bool leave);

 protected:
  QWebEnginePage* createWindow(WebWindowType type) override;
  void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
  bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
  bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                        QString* result) override;
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

 private:
  void onDocumentCreated(const QUrl& url);
  void onNewWindowRequested(QWebEngineNewWindowRequest& request);
  // A link to another program's address: asks before it leaves, and true.
  bool leavesForDesktop(const QUrl& url);

  PageServices services_;
  ScriptDialogs* dialogs_;
  PageDocuments* documents_;
  PagePopups* popups_;
  PageDownloads* downloads_;
  SiteQuestions* siteQuestions_;
  PageRenderer* renderer_;
  ExternalLinkOpener* externalLinks_;
  PageReader* reader_;
  // Asks over the page's sheet whether a link may leave for another program.
  ExternalLinkOpener::Ask askOutside_;
  LinkClickFilter linkClickFilter_;
  NewPageOpener newPageOpener_;
};

}  // namespace corvane
