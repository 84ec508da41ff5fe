#include "panes/PaneStatus.h"

#include "base/Guarded.h"
#include "reader/ReaderArticle.h"

namespace corvane {

void PaneStatus::GoingTo(const std::string& address) {
  loadAnnounced_ = false;
  show("Going to " + address);
}

void PaneStatus::Working() {
  loadAnnounced_ = false;
  show("Browser Status: Working...");
}

void PaneStatus::EngineText(const std::string& text) {
  loadAnnounced_ = false;
  show(text);
}

void PaneStatus::PageTitle(const std::string& title) { show("Page Title: " + title); }

void PaneStatus::PageLoaded(const std::string& title) {
  PageTitle(title);
  if (stopping_ || (loadAnnounced_ && announced_ == title)) return;
  loadAnnounced_ = true;
  announced_ = title;
  guarded([&] { line_.Announce("Page loaded: " + title); });
}

void PaneStatus::LoadStopped(const std::function<void()>& stop) {
  stopping_ = true;
  guarded(stop);
  stopping_ = false;
  guarded([&] { line_.Announce("Loading stopped"); });
}

void PaneStatus::PlaceOfPage(const std::string& place, const std::string& title) {
  guarded([&] { line_.Announce(title.empty() ? place : place + ", " + title); });
}

void PaneStatus::PageShown(int number, int count, const std::string& title) {
  guarded([&] {
    line_.Announce("Page " + std::to_string(number) + " of " + std::to_string(count) + ", " +
                   title);
  });
}

void PaneStatus::FolderView(int count) {
  show("View folder contents (" + std::to_string(count) +
       " files total) is on. Use back and forward navigation buttons to view contents of this "
       "folder.");
}

void PaneStatus::FileVanished(const std::string& name) {
  show(name + " is no longer in this folder.");
}

void PaneStatus::ReaderNotAvailable() {
  show(kReaderNotAvailable);
  guarded([&] { line_.Announce(kReaderNotAvailable); });
}

void PaneStatus::Restore(const std::string& caption) { show(caption); }

void PaneStatus::show(const std::string& text) {
  guarded([&] { line_.SetCaption(text); });
}

}  // namespace corvane
