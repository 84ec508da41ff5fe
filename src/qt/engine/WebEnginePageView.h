#pragma once

#include <QPointer>
#include <QString>

#include <string>

#include "platform/IPageView.h"

class QWebEngineView;
class QWidget;

namespace corvane {

class BrowserPage;
class WebEngineBrowserControl;

// IPageView over one QWebEngineView, which lies in a widget of its own (`holder`) together with
// what its page lays over it (sheets, strips, notices), so that a page and all it shows move
// between panes, and hide, as one. The holder, the view, its page and its browser control go
// with this object.
class WebEnginePageView : public IPageView {
 public:
  // `view` lies in `holder`; `page` becomes the view's. `workingFolder` resolves relative file
  // names typed into the address box.
  WebEnginePageView(QWidget* holder, QWebEngineView* view, BrowserPage* page,
                    const QString& workingFolder);
  ~WebEnginePageView() override;

  QWidget* holder() const { return holder_; }
  QWebEngineView* view() const { return view_; }
  BrowserPage* page() const;

  IBrowserControl& Control() override;
  std::string SaveHistory() const override;
  bool RestoreHistory(const std::string& saved) override;
  PageHistory History() const override;
  void ClearHistory() override;
  void SetLifecycle(PageLifecycle state) override;

 private:
  QPointer<QWidget> holder_;
  QWebEngineView* view_;
  WebEngineBrowserControl* control_;
};

}  // namespace corvane
