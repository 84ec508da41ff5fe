#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "browser/PopupBlocker.h"
#include "qt/page/PageServices.h"

class QWebEngineNewWindowRequest;
class QWebEnginePage;
class QWebEngineView;

namespace corvane {

class PaneNotice;
class PopupWindow;

// A page's pop-ups (window.open with window features, as sign-in pages use), each in a small
// window of its own, and the new tabs and windows it asks for. They open only when the user
// asked for them, or allows the site's pop-ups, and only a few pop-ups at a time (PopupBlocker);
// the others are held, and a strip at the foot of the pane offers to open them after all, for as
// long as the document that asked for them shows.
class PagePopups : public QObject {
  Q_OBJECT
 public:
  // `services` outlive the page.
  PagePopups(QWebEnginePage* page, const PageServices& services);

  // The page asks for a new window. True when that is settled here: the request was blocked,
  // or a pop-up window has taken it. A new tab or window it may open is left to the pane.
  bool take(QWebEngineNewWindowRequest& request);
  // The page now shows in `view`: the strip goes with it.
  void followView(QWebEngineView* view);
  // The document that asked is gone (another has come, or its renderer has ended): its strip
  // goes, and what it asked for is neither counted nor opened any more.
  void documentGone();

 private:
  int openPopups();
  PopupWindow* openPopup();
  void showBlocked();
  void allowBlocked(bool always);

  QWebEnginePage* page_;
  PageServices services_;
  PopupBlocker blocker_;
  QList<QPointer<PopupWindow>> popups_;
  QPointer<PaneNotice> notice_;
};

}  // namespace corvane
