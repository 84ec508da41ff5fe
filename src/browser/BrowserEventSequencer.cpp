#include "browser/BrowserEventSequencer.h"

#include <algorithm>

#include "browser/StandInTitle.h"
#include "platform/IBrowserControl.h"
#include "platform/IBrowserEvents.h"

namespace corvane {

namespace {
// The engine counts in percent; the panes' bars count to a million.
constexpr int32_t kProgressMax = 1000000;
constexpr int32_t kProgressPerPercent = kProgressMax / 100;
const char kDone[] = "Done";

std::string withoutFragment(const std::string& address) {
  return address.substr(0, address.find('#'));
}

// The bar stays short of full until the page's last part has come.
constexpr int kMostBeforeLoaded = 90;
// Where the bar creeps while an answer is awaited, and the share of the rest it gains each tick.
constexpr int32_t kWaitCeiling = 30 * kProgressPerPercent;
constexpr int32_t kWaitShare = 10;
}  // namespace

std::string BrowserEventSequencer::LocationName() const {
  return isStandInTitle(title_, address_) ? address_ : title_;
}

void BrowserEventSequencer::navigateCalled(const std::string& target) {
  // A committed navigation still waiting for its title is complete before the next one begins.
  completeHeld();
  // A navigation still under way is given up: its document, should it arrive, is not this one.
  navigating_ = false;
  navigatePending_ = true;
  asked_ = true;
  refresh_ = false;
  beginNavigation(target);
  // The pane has said where it goes; only a pointer leaving a link brings the opening text.
  lastRaised_ = status_;
}

void BrowserEventSequencer::refreshCalled() { refresh_ = true; }

void BrowserEventSequencer::stopCalled() {
  if (!Busy()) return;
  // The engine may still report the end of its load; this end stands for it.
  echoPending_ = engineLoading_;
  finish(completeHeld_);
}

void BrowserEventSequencer::navigationStarted(const std::string& target) {
  completeHeld();
  navigatePending_ = false;
  navigating_ = true;
  beginNavigation(target);
  // The pane's own "Going to" stands for a navigation it asked for, until the page arrives.
  if (!asked_) raiseStatus(status_);
}

void BrowserEventSequencer::beginNavigation(const std::string& target) {
  committed_ = false;
  progress_ = 0;
  addressAtStart_ = address_;
  if (target != target_) previousTarget_ = target_;
  target_ = target;
  status_ = "Opening page " + target + "...";
}

void BrowserEventSequencer::loadStarted(const std::string& target) {
  engineLoading_ = true;
  echoPending_ = false;
  navigationStarted(target);
  raiseProgress(0, kProgressMax);
}

void BrowserEventSequencer::loadFinished(const std::string& address) {
  // The end of a load the running navigation replaced may come after this one has begun.
  if (Busy() && leftBehind(address)) return;
  engineLoading_ = false;
  if (echoPending_) {
    echoPending_ = false;
    return;
  }
  if (Busy()) finish(completeHeld_);
}

void BrowserEventSequencer::loadProgress(int percent) {
  if (!navigating_) return;
  progress_ = std::max(progress_, std::clamp(percent, 0, kMostBeforeLoaded) * kProgressPerPercent);
  raiseProgress(progress_, kProgressMax);
}

void BrowserEventSequencer::waitingTick() {
  if (!Busy() || committed_ || progress_ >= kWaitCeiling) return;
  progress_ += std::max<int32_t>(1, (kWaitCeiling - progress_) / kWaitShare);
  raiseProgress(progress_, kProgressMax);
}

void BrowserEventSequencer::urlChanged(const std::string& address, const std::string& title,
                                       bool notice) {
  // A notice is reached only as typed: another one arriving during a navigation belongs to the
  // address typed before, which this navigation has replaced.
  if (notice && navigating_ && address != target_) return;
  const bool samePage = withoutFragment(address) == withoutFragment(address_);
  address_ = address;
  title_ = title;
  notice_ = notice;
  if (navigating_) {
    commit();
  } else if (navigatePending_) {
    // The engine served the Navigate as a move within the page (a typed fragment): that was the
    // whole navigation. Another page's address is the engine showing where it goes before it
    // begins (as it does right after a Stop); its document commits the navigation.
    if (samePage) finish(!notice_);
  } else if (!notice_) {
    raiseNavigateComplete();  // a move within the page: a fragment, history.pushState
  }
}

void BrowserEventSequencer::titleChanged(const std::string& title) {
  title_ = title;
  if (!isStandInTitle(title_, address_)) completeHeld();
}

bool BrowserEventSequencer::leftBehind(const std::string& document) const {
  // Once committed, the page's own address may be the one it left (the same page again).
  return !document.empty() && document != target_ &&
         (document == addressAtStart_ || document == previousTarget_) &&
         (!committed_ || document != address_);
}

void BrowserEventSequencer::documentCreated(const std::string& address) {
  // After an address change this document has been reported already; without one it is the
  // only sign that a navigation to the same address has committed.
  if (!navigating_ || committed_) return;
  if (!leftBehind(address)) commit();
}

void BrowserEventSequencer::documentParsed() { completeHeld(); }

void BrowserEventSequencer::documentLoaded(const std::string& address) {
  // The engine reports the end of its load right after a document's load, if its load is
  // running; that report adds nothing, whether it is this navigation's document or a
  // superseded one finishing while this navigation waits for its response.
  if (engineLoading_) echoPending_ = true;
  if (navigating_ && committed_ && !leftBehind(address)) finish(completeHeld_);
}

void BrowserEventSequencer::commit() {
  completeHeld();  // an earlier document of the same navigation (a script moved on at once)
  committed_ = true;
  asked_ = false;
  setStatus("Loading " + address_ + "...");
  if (notice_ || (refresh_ && address_ == addressAtStart_)) return;
  if (isStandInTitle(title_, address_)) {
    completeHeld_ = true;
    return;
  }
  raiseNavigateComplete();
}

void BrowserEventSequencer::completeHeld() {
  if (!completeHeld_) return;
  completeHeld_ = false;
  raiseNavigateComplete();
}

void BrowserEventSequencer::finish(bool complete) {
  navigatePending_ = false;
  navigating_ = false;
  committed_ = false;
  asked_ = false;
  completeHeld_ = false;
  refresh_ = false;
  status_ = kDone;
  if (complete) raiseNavigateComplete();
  raiseProgress(-1, 0);
  if (sink_) sink_->DownloadComplete();
  raiseStatus(kDone);
}

void BrowserEventSequencer::linkHovered(const std::string& url) {
  raiseStatus(url.empty() ? status_ : url);
}

void BrowserEventSequencer::historyActionChanged(int32_t command, bool enabled) {
  if (command != CSC_NAVIGATEBACK && command != CSC_NAVIGATEFORWARD) return;
  bool& last = command == CSC_NAVIGATEBACK ? back_ : forward_;
  if (last == enabled) return;
  last = enabled;
  if (sink_) sink_->CommandStateChange(command, enabled);
}

void BrowserEventSequencer::setStatus(const std::string& text) {
  status_ = text;
  raiseStatus(text);
}

void BrowserEventSequencer::raiseStatus(const std::string& text) {
  if (text == lastRaised_) return;
  lastRaised_ = text;
  if (sink_) sink_->StatusTextChange(text);
}

void BrowserEventSequencer::raiseNavigateComplete() {
  if (sink_) sink_->NavigateComplete2();
}

void BrowserEventSequencer::raiseProgress(int32_t progress, int32_t progressMax) {
  if (sink_) sink_->ProgressChange(progress, progressMax);
}

}  // namespace corvane
