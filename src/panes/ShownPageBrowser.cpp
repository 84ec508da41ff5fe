#include "panes/ShownPageBrowser.h"

#include <stdexcept>

namespace corvane {

void ShownPageBrowser::Show(PageControl* page) {
  if (shown_ != nullptr) shown_->setPaneSink(nullptr);
  shown_ = page;
  if (shown_ != nullptr) shown_->setPaneSink(sink_);
}

void ShownPageBrowser::SetEventSink(IBrowserEvents* sink) {
  sink_ = sink;
  if (shown_ != nullptr) shown_->setPaneSink(sink_);
}

PageControl& ShownPageBrowser::page() const {
  if (shown_ == nullptr) throw std::logic_error("the pane shows no page");
  return *shown_;
}

}  // namespace corvane
