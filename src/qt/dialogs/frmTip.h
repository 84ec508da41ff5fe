#pragma once

#include <QDialog>

#include <string>

#include "dialogs/ITipWindowView.h"
#include "dialogs/TipOfTheDay.h"
#include "platform/ClockRandom.h"
#include "platform/ISettingsStore.h"
#include "qt/platform/QtMessageBox.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace corvane {

// The tip of the day window: a random tip from the tips file, Next Tip, and the check box that
// switches the window on or off at start-up. Modeless; it deletes itself when it closes. The
// window only shows what its logic decides.
class frmTip : public QDialog, private ITipWindowView {
  Q_OBJECT
 public:
  // store, appName: where the start-up choice lives; programFolder: where the tips file lies.
  frmTip(ISettingsStore& store, const std::string& appName, const std::string& programFolder);
  ~frmTip() override;

  // The window's load. False when it has unloaded itself at once (tips switched off): it is then
  // closed, will be deleted, and must not be shown.
  bool Form_Load();

 protected:
  // Esc and the close box are the OK button's.
  void reject() override;

 private:
  // ITipWindowView
  void SetTipText(const std::string& text) override;
  bool LoadTipsAtStartup() const override;
  void SetLoadTipsAtStartup(bool checked) override;
  void Unload() override;

  void buildContent();

  ClockRandom random_;
  QtMessageBox messages_{this};
  TipOfTheDay logic_;
  QLabel* lblTipText_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdNextTip_ = nullptr;
  QCheckBox* chkLoadTipsAtStartup_ = nullptr;
  bool unloaded_ = false;
};

}  // namespace corvane
