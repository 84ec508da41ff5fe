#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "platform/IBrowserControl.h"

class QPrinter;
class QWebEngineProfile;
class QWebEngineView;

namespace corvane {

class IBrowserEvents;

// IBrowserControl over one QWebEngineView. It turns the engine's signals into the control's
// events, in the order the panes rely on: while a load runs, status texts and progress; when it
// ends, NavigateComplete2 (with the final address and the new page's title) and then
// DownloadComplete. A same-document move (fragment, history.pushState) raises NavigateComplete2
// on its own.
class WebEngineBrowserControl : public QObject, public IBrowserControl {
  Q_OBJECT
 public:
  // `workingFolder` resolves relative file names typed into the address box.
  WebEngineBrowserControl(QWebEngineView* view, QWebEngineProfile* profile,
                          const QString& workingFolder);
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

  // What Navigate would load for a typed address; invalid for input it refuses (empty).
  static QUrl urlFromUserInput(const QString& input, const QString& workingFolder);

 private:
  void onLoadStarted();
  void onLoadProgress(int percent);
  void onLoadFinished(bool ok);
  void onUrlChanged();
  void onLinkHovered(const QString& url);
  void onHistoryActionChanged(int32_t command, bool enabled);
  void raiseStatusText(const QString& text);
  void saveAs();
  void print(bool prompt);
  void pageSetup();

  QWebEngineView* view_;
  QString workingFolder_;
  IBrowserEvents* sink_ = nullptr;
  bool loading_ = false;
  bool refreshing_ = false;
  bool backEnabled_ = false;
  bool forwardEnabled_ = false;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace corvane
