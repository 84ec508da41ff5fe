#include "panes/PaneController.h"

#include "base/Guarded.h"

namespace corvane {

PaneController::PaneController(Pane& pane, const AddressSearch& search, IVisitRecorder& visits)
    : pane_(pane), navigation_(pane, search, visits), toolbar_(pane) {
  pane_.brwWebBrowser.SetEventSink(this);
  pane_.timTimer.SetOnTick([this] { navigation_.timTimer_Timer(); });
}

PaneController::~PaneController() {
  // The control and the timer outlive this object; they must not call into it afterwards.
  guarded([&] { pane_.brwWebBrowser.SetEventSink(nullptr); });
  guarded([&] { pane_.timTimer.SetOnTick(nullptr); });
}

void PaneController::StatusTextChange(const std::string& text) {
  navigation_.StatusTextChange(text);
}

void PaneController::ProgressChange(int32_t progress, int32_t progressMax) {
  navigation_.ProgressChange(progress, progressMax);
}

void PaneController::CommandStateChange(int32_t command, bool enable) {
  toolbar_.CommandStateChange(command, enable);
}

void PaneController::NavigateComplete2() { navigation_.NavigateComplete2(); }

void PaneController::DownloadComplete() {
  const bool folderView = pane_.LocalFile;
  navigation_.DownloadComplete();
  // Left as the folder steps set them, Back and Forward would not show the history that a plain
  // web page has just brought back into use.
  if (folderView && !pane_.LocalFile) toolbar_.FolderViewEnded();
}

}  // namespace corvane
