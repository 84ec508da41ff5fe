#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWebEnginePage>

#include <functional>
#include <optional>

#include "browser/DocumentMarkers.h"
#include "browser/DownloadGate.h"
#include "browser/PageDialogs.h"
#include "browser/PopupBlocker.h"
#include "qt/page/DialogSheet.h"
#include "qt/page/PageServices.h"

class QWebEngineFullScreenRequest;
class QWebEngineNewWindowRequest;

namespace corvane {

// A pane's page: what a user expects of a browser beyond the panes' own rules. A password
// request gets a login prompt, a certificate error a clear choice, a request for a feature
// (location, camera, ...) a question whose answer holds for the run, a pop-up its own window,
// a new tab or window the same pane, full screen a window of its own, and a crashed page a
// notice over the page that offers to reload.
//
// A page is never trusted to be kind: its alerts and questions are sheets over its own pane,
// it may stop being allowed to show them; its pop-ups open only when the user asked for them
// (or allows them), a few at a time; a second download it starts without a click asks first;
// and its links to other programs ask before they leave Corvane.
//
// It also reports three moments of each main-frame document that the engine has no reliable
// signal for: created, parsed and loaded (DocumentMarkers), heard over a channel the page's own
// scripts cannot reach. Its scripts run whatever the page's script setting.
class CrashNotice;
class ExternalLinkOpener;
class FullScreenWindow;
class PageReports;
class PaneNotice;
class PopupWindow;

class BrowserPage : public QWebEnginePage {
  Q_OBJECT
 public:
  // `services` outlive the page.
  BrowserPage(QWebEngineProfile* profile, const PageServices& services, QObject* parent);

  // A page's alert or question is up, waiting for its answer.
  bool inDialog() const { return inDialog_; }
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

  // The page has been given to another view (the panes were swapped): what it shows over its
  // pane (its sheet, strips and notice) goes along.
  void followView();

  // Asked before the main frame follows a clicked link; true takes the link away from the page,
  // which then stays where it is.
  using LinkClickFilter = std::function<bool(const QUrl& url)>;
  void setLinkClickFilter(LinkClickFilter filter) { linkClickFilter_ = std::move(filter); }

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
  void onCertificateError(const QWebEngineCertificateError& error);
  void onAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator);
  void onProxyAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator,
                                     const QString& proxyHost);
  void onFeaturePermissionRequested(const QUrl& origin, Feature feature);
  void onNewWindowRequested(QWebEngineNewWindowRequest& request);
  void onFullScreenRequested(QWebEngineFullScreenRequest request);
  void onRenderProcessTerminated(RenderProcessTerminationStatus status, int exitCode);
  QWidget* dialogParent() const;
  void addDocumentMarkers();
  void onReport(const QString& kind, const QString& key, const QString& address);
  // The sheet over the page's pane; dialogSheet() only while the page may still show dialogs.
  DialogSheet* sheet();
  DialogSheet* dialogSheet();
  // A link to another program's address: asks before it leaves, and true.
  bool leavesForDesktop(const QUrl& url);
  bool mayLeave();
  static QString dialogTitle(const QUrl& origin);
  static QString dialogText(const QString& message);
  bool runDialog(DialogSheet::Kind kind, const QUrl& origin, const QString& message,
                 QString* value);
  int openPopups();
  PopupWindow* openPopup();
  void showBlockedPopups();
  void allowBlockedPopups(bool always);
  QString site() const;
  PaneNotice* notice(QPointer<PaneNotice>& notice, const QString& name, int row);

  PageServices services_;
  PageDialogs dialogs_;
  QPointer<DialogSheet> sheet_;
  bool inDialog_ = false;
  bool leaveAgreed_ = false;
  PopupBlocker popupBlocker_;
  QList<QPointer<PopupWindow>> popups_;
  QPointer<PaneNotice> popupNotice_;
  DownloadGate downloadGate_;
  QPointer<PaneNotice> downloadNotice_;
  QUrl pendingDownload_;
  // Where an address the user typed has led so far, until it shows a document: a download from
  // there is the user's.
  QUrl typed_;
  QString pendingDownloadName_;
  ExternalLinkOpener* externalLinks_;

  LinkClickFilter linkClickFilter_;
  QPointer<FullScreenWindow> fullScreen_;
  QPointer<CrashNotice> crashNotice_;

  PageReports* reports_;
  DocumentMarkers markers_;
  // The sheet up for a dialog the document showing asked for, if any.
  QPointer<DialogSheet> askedSheet_;
};

}  // namespace corvane
