#include "panes/PageControl.h"

#include <utility>

#include "base/Guarded.h"

namespace corvane {

PageControl::PageControl(IBrowserControl& control, std::function<void(PageEvent)> onEvent)
    : control_(control), onEvent_(std::move(onEvent)) {
  control_.SetEventSink(this);
}

PageControl::~PageControl() {
  // The control may outlive this object for a moment; it must not call into it afterwards.
  guarded([&] { control_.SetEventSink(nullptr); });
}

void PageControl::StatusTextChange(const std::string& text) {
  if (IBrowserEvents* to = sink()) to->StatusTextChange(text);
  tell(PageEvent::Progress);
}

void PageControl::ProgressChange(int32_t progress, int32_t progressMax) {
  if (IBrowserEvents* to = sink()) to->ProgressChange(progress, progressMax);
  tell(PageEvent::Progress);
}

void PageControl::CommandStateChange(int32_t command, bool enable) {
  if (IBrowserEvents* to = sink()) to->CommandStateChange(command, enable);
}

void PageControl::NavigateComplete2() {
  if (IBrowserEvents* to = sink()) to->NavigateComplete2();
  tell(PageEvent::Navigated);
}

void PageControl::DownloadComplete() {
  if (IBrowserEvents* to = sink()) to->DownloadComplete();
  tell(PageEvent::Loaded);
}

void PageControl::tell(PageEvent event) {
  if (onEvent_) onEvent_(event);
}

}  // namespace corvane
