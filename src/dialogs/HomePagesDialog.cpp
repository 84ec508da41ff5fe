#include "dialogs/HomePagesDialog.h"

#include <string>
#include <utility>
#include <vector>

#include "base/Guarded.h"
#include "base/SharedTexts.h"

namespace corvane {

namespace {

struct FieldSection {
  HomePageField field;
  const char* section;
};

// In the order they are read and written.
constexpr FieldSection kFields[] = {
    {HomePageField::TBstart, kSectionTopOnline},
    {HomePageField::BBstart, kSectionBottomOnline},
    {HomePageField::TBstartOffLine, kSectionTopOffline},
    {HomePageField::BBstartOffLine, kSectionBottomOffline},
};

}  // namespace

HomePagesDialog::HomePagesDialog(IHomePagesWindow& window, const mdlGen& settings,
                                 IFileDialog& fileDialog)
    : window_(window), settings_(settings), fileDialog_(fileDialog) {}

void HomePagesDialog::OpenHomePagesDialog() {
  if (!window_.IsLoaded()) {
    window_.Load(*this);
    Form_Load();
  }
  window_.Show();
}

void HomePagesDialog::Form_Load() {
  for (const FieldSection& f : kFields) {
    guarded([&] { window_.SetText(f.field, settings_.ReadSetting(f.section, 1)); });
  }
}

void HomePagesDialog::cmdOpen_Click(int index) {
  if (index != 0 && index != 1) return;
  OpenFileRequest request;
  request.title =
      index == 0 ? "Top Offline Website/File On Start" : "Bottom Offline Website/File On Start";
  request.defaultExt = "html";
  request.filter = kOpenFileFilter;
  request.mustExist = true;
  const std::string chosen = fileDialog_.ShowOpen(request);
  if (chosen.empty()) return;
  window_.SetText(index == 0 ? HomePageField::TBstartOffLine : HomePageField::BBstartOffLine,
                  chosen);
}

void HomePagesDialog::cmdUpdateHomePages_Click() {
  // One write for the four: a failure or a crash can't leave some saved and others not.
  std::vector<std::pair<std::string, std::string>> values;
  bool saved = guarded([&] {
    for (const FieldSection& f : kFields) values.emplace_back(f.section, window_.Text(f.field));
  });
  saved = saved && settings_.TryWriteSettings(values, 1);
  if (!saved) {
    // Closing now would lose the user's edits while the file keeps its old values.
    window_.Messages().MsgBox(
        "The home pages could not be saved in " + settings_.path().string() +
            "; the file still holds the home pages it had.\n\nCheck that this file and its "
            "folder may be written to and that the disk is not full, then press OK again; "
            "Cancel leaves the home pages as they were.",
        MsgBoxButtons::OK, MsgBoxIcon::Exclamation, "");
    return;
  }
  window_.Unload();
}

void HomePagesDialog::cmdCancel_Click() { window_.Unload(); }

void HomePagesDialog::Form_Unload() { window_.Unload(); }

}  // namespace corvane
