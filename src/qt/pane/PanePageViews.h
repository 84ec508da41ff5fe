#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "platform/IPageViews.h"

class QComboBox;
class QWebEngineView;

namespace corvane {

class BrowserPage;
class PaneBrowser;
class WebEnginePageView;

// IPageViews over a pane's browser: each page a QWebEngineView with a page of the shared engine
// profile, in a widget of its own among the pane's pages. A page's view carries its pane's names
// (brwWebBrowser1, "Top browser"), and so do the sheets and strips it lays over itself; a page
// that changes panes takes the names of its new one.
class PanePageViews : public QObject, public IPageViews {
  Q_OBJECT
 public:
  // What makes a page for a new view, its parent given.
  using MakePage = std::function<BrowserPage*(QObject* parent)>;

  // The pane's first view is made at once and shown, ahead of the pane's pages: the window's
  // other parts find it there from the start. It is the first view asked for.
  PanePageViews(PaneBrowser* browser, QComboBox* addressBox, MakePage makePage,
                const QString& workingFolder, QObject* parent);
  ~PanePageViews() override;

  std::unique_ptr<IPageView> CreatePageView() override;
  void ShowPageView(IPageView& view) override;
  void AdoptPageView(IPageView& view) override;
  void FocusAddressBox() override;

 Q_SIGNALS:
  // A view made for a page of this pane.
  void viewAdded(QWebEngineView* view);
  // The pane shows the page of this view from now on.
  void viewShown(QWebEngineView* view);

 private:
  std::unique_ptr<WebEnginePageView> make();
  void showsFocusOf(QWebEngineView* view);

  PaneBrowser* browser_;
  QComboBox* addressBox_;
  MakePage makePage_;
  QString workingFolder_;
  std::unique_ptr<WebEnginePageView> first_;
};

}  // namespace corvane
