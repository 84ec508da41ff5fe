#pragma once

#include <QPointer>

#include <functional>
#include <string>

#include "platform/ISecondaryWindows.h"
#include "platform/ISettingsStore.h"

class QWebEngineProfile;
class QWidget;

namespace corvane {

class History;
class InternetOptionsDialog;
class frmAbout;
class frmTip;

// The main window's secondary windows: the tip of the day, the about box and the Internet
// Options dialog. Each is created when first asked for and forgotten when it closes; whatever
// is still open goes with this object.
class SecondaryWindows : public ISecondaryWindows {
 public:
  struct Context {
    // The main window: the tip window opens centred over it, the options dialog belongs to it.
    QWidget* mainWindow;
    QWebEngineProfile* profile;
    // Clearing the browsing history: the panes forget their pages' back and forward entries.
    std::function<void()> forgetPageHistory;
    // The options dialog has stored changed choices.
    std::function<void()> optionsApplied;
    ISettingsStore& store;
    std::string appName;
    std::string programFolder;
    // The about box's link.
    std::function<void()> onAboutLink;
    // The pages visited, which the options dialog clears with the engine's; none when not kept.
    History* history = nullptr;
  };

  explicit SecondaryWindows(Context context);
  ~SecondaryWindows() override;
  SecondaryWindows(const SecondaryWindows&) = delete;
  SecondaryWindows& operator=(const SecondaryWindows&) = delete;

  void ShowTipWindow() override;
  void ShowAboutBox() override;
  void ShowInternetOptions() override;
  void CloseTipWindow() override;
  void CloseAboutBox() override;
  void CloseInternetOptions() override;

 private:
  Context context_;
  QPointer<frmTip> tip_;
  QPointer<frmAbout> about_;
  QPointer<InternetOptionsDialog> options_;
};

}  // namespace corvane
