#pragma once

#include <QList>
#include <QWidget>

class QStackedWidget;
class QWebEngineView;

namespace corvane {

class PageTabStrip;

// A pane's browser as the layout places it (brwWebBrowser1 / brwWebBrowser2): the strip of page
// tabs above the pages, of which it shows one. With the strip hidden the page has the whole
// rectangle. Each page lies in a widget of its own, with what it lays over itself.
class PaneBrowser : public QWidget {
  Q_OBJECT
 public:
  // objectName: the layout's name; paneName: the pane as a screen reader names it ("Top").
  PaneBrowser(const QString& objectName, const QString& paneName, QWidget* parent);

  // The pane as a screen reader names it ("Top").
  const QString& paneName() const { return paneName_; }
  PageTabStrip* strip() const { return strip_; }
  // Where the pages lie; the one it shows is the pane's.
  QStackedWidget* pages() const { return pages_; }
  // The view of the page shown; null before the pane has a page.
  QWebEngineView* shownView() const;
  // The views of every page the pane holds.
  QList<QWebEngineView*> views() const;

 private:
  QString paneName_;
  PageTabStrip* strip_;
  QStackedWidget* pages_;
};

}  // namespace corvane
