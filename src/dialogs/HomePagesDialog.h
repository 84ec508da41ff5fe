#pragma once

#include "base/mdlGen.h"
#include "platform/IFileDialog.h"
#include "platform/IHomePagesWindow.h"

namespace corvane {

// The Home pages dialog: the four home pages of cv.ini, read when the window opens, edited as
// text or picked as local files, and written back on OK.
class HomePagesDialog : public IHomePagesEvents {
 public:
  HomePagesDialog(IHomePagesWindow& window, const mdlGen& settings, IFileDialog& fileDialog);
  HomePagesDialog(const HomePagesDialog&) = delete;
  HomePagesDialog& operator=(const HomePagesDialog&) = delete;

  // Loads the window (its fields read from cv.ini) unless it is open, then shows it modeless;
  // an open window only comes forward, keeping what the user typed.
  void OpenHomePagesDialog();

  // Browse: a local file for the top (0) or bottom (1) offline field; other indexes do nothing.
  void cmdOpen_Click(int index) override;
  // OK: writes the four fields in one replace of cv.ini, then closes. When that fails the file
  // is as it was, the window stays open with the user's texts, and a message over it says that,
  // and where, the home pages were not saved.
  void cmdUpdateHomePages_Click() override;
  // Cancel: closes without writing.
  void cmdCancel_Click() override;
  // The close box: the same as Cancel.
  void Form_Unload() override;

 private:
  void Form_Load();

  IHomePagesWindow& window_;
  const mdlGen& settings_;
  IFileDialog& fileDialog_;
};

}  // namespace corvane
