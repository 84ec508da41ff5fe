#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

#include "browser/BrowserEventSequencer.h"
#include "platform/IBrowserControl.h"

class QPrinter;
class QWebEngineLoadingInfo;
class QWebEngineProfile;
class QWebEngineView;

namespace corvane {

class IBrowserEvents;

// IBrowserControl over one QWebEngineView. It only translates: the engine's signals become
// plain calls on a BrowserEventSequencer, which raises the control's events in the order the
// panes rely on and answers Busy, LocationURL and LocationName.
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
  void onLoadingChanged(const QWebEngineLoadingInfo& info);
  void onUrlChanged(const QUrl& url);
  void onTitleChanged(const QString& title);
  void saveAs();
  void print(bool prompt);
  void pageSetup();

  QWebEngineView* view_;
  QString workingFolder_;
  BrowserEventSequencer events_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace corvane
