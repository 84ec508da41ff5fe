#include "history/History.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "base/AsciiText.h"
#include "history/HistoryError.h"
#include "history/LocalDays.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kHourMs = 60LL * 60 * 1000;

std::string cutText(const std::string& text, std::size_t n) {
  if (text.size() <= n) return text;
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  return text.substr(0, n);
}

std::string messageFor(const HistoryError& error, const std::string& path) {
  switch (error.kind()) {
    case HistoryError::Kind::Locked:
      return "The history file " + path +
             " is in use by another program. Corvane records no pages visited until it is "
             "started again.";
    case HistoryError::Kind::Newer:
      return "The history file " + path +
             " was written by a newer version of Corvane. This version leaves it as it is and "
             "records no pages visited.";
    case HistoryError::Kind::Damaged:
      return "The history file " + path +
             " is damaged. Corvane records no pages visited until it is started again, when it "
             "sets the file aside and begins a new one.";
    case HistoryError::Kind::Failed:
      break;
  }
  return "Corvane cannot keep its history in " + path + " (" + error.what() +
         "). It records no pages visited until it is started again.";
}

// A free name beside the file: "history.sqlite.damaged", then "...damaged-2", ...
fs::path asideName(const fs::path& file) {
  fs::path aside = file.string() + ".damaged";
  std::error_code error;
  for (int n = 2; fs::exists(aside, error) || fs::exists(aside.string() + "-wal", error); ++n) {
    aside = file.string() + ".damaged-" + std::to_string(n);
  }
  return aside;
}

}  // namespace

History::History(std::string path, const IClock& clock, IHistoryNotices& notices, int busyTimeoutMs)
    : path_(std::move(path)), clock_(clock), notices_(notices), busyTimeoutMs_(busyTimeoutMs) {
  writer_ = std::thread([this] { writerLoop(); });
}

History::~History() {
  {
    std::lock_guard<std::mutex> lock(queueMutex_);
    stop_ = true;
  }
  wake_.notify_one();
  writer_.join();
}

void History::openStore() {
  std::error_code error;
  fs::create_directories(fs::path(path_).parent_path(), error);
  store_ = std::make_unique<HistoryStore>(path_, busyTimeoutMs_);
  auto loaded = std::make_unique<HistoryIndex>();
  loaded->Reset(store_->Entries());
  std::lock_guard<std::mutex> lock(loadedMutex_);
  loaded_ = std::move(loaded);
}

void History::open() {
  std::lock_guard<std::mutex> lock(storeMutex_);
  try {
    openStore();
    return;
  } catch (const HistoryError& error) {
    store_.reset();
    if (error.kind() != HistoryError::Kind::Damaged) return stopRecording(messageFor(error, path_));
  }
  // Nothing is lost: the damaged file stays beside the new one for whoever can mend it.
  const fs::path aside = asideName(path_);
  std::error_code error;
  fs::rename(path_, aside, error);
  if (error) {
    return stopRecording("The history file " + path_ + " is damaged and could not be set aside (" +
                         error.message() + "). Corvane records no pages visited.");
  }
  fs::rename(path_ + "-wal", aside.string() + "-wal", error);
  fs::remove(path_ + "-shm", error);
  try {
    openStore();
    notice("The history file " + path_ + " was damaged. It has been set aside as " +
           aside.filename().string() + ", and Corvane has begun a new history.");
  } catch (const HistoryError& failure) {
    store_.reset();
    stopRecording(messageFor(failure, path_));
  }
}

bool History::IsRecorded(const std::string& url) {
  return url.size() <= kMaxRecordedUrlBytes &&
         (startsWithNoCase(url, "http://") || startsWithNoCase(url, "https://") ||
          startsWithNoCase(url, "file://"));
}

void History::RecordVisit(const std::string& url, const std::string& title) {
  if (!IsRecorded(url)) return;
  change({HistoryChange::Kind::Visit, url, cutText(title, kMaxTitleBytes), clock_.NowMs()});
}

void History::SetTitle(const std::string& url, const std::string& title) {
  if (!IsRecorded(url)) return;
  // Every load's end reports the title; most often it is the one kept.
  const HistoryEntry* known = index_.Find(url);
  if (known && known->title == cutText(title, kMaxTitleBytes)) return;
  change({HistoryChange::Kind::Title, url, cutText(title, kMaxTitleBytes), 0});
}

void History::Remove(const std::string& url) { change({HistoryChange::Kind::Remove, url, {}, 0}); }

void History::Clear(Range range) {
  const std::int64_t now = clock_.NowMs();
  std::int64_t since = 0;
  if (range == Range::LastHour) since = now - kHourMs;
  if (range == Range::Today) since = LocalDays::StartOf(LocalDays::DayOf(now, clock_), clock_);
  change({HistoryChange::Kind::Clear, {}, {}, since});
  if (range == Range::Everything) return;
  // What is left of a page's visits is counted again on disk; the index takes it from there.
  Flush();
  adoptLoaded();
  std::lock_guard<std::mutex> lock(storeMutex_);
  if (!store_ || !recording_) return;
  try {
    index_.Reset(store_->Entries());
  } catch (const HistoryError&) {
  }
}

void History::change(HistoryChange change) {
  replay(index_, change);
  if (!adopted_) sinceStart_.push_back(change);
  {
    std::lock_guard<std::mutex> lock(queueMutex_);
    queue_.push_back(std::move(change));
  }
  wake_.notify_one();
}

void History::replay(HistoryIndex& index, const HistoryChange& change) {
  switch (change.kind) {
    case HistoryChange::Kind::Visit:
      return index.Visit(change.url, change.title, change.atMs);
    case HistoryChange::Kind::Title:
      return index.SetTitle(change.url, change.title);
    case HistoryChange::Kind::Remove:
      return index.Remove(change.url);
    case HistoryChange::Kind::Clear:
      // Without the visits in memory, a page last visited in the range goes whole.
      if (change.atMs <= 0) return index.Reset({});
      return index.RemoveVisitedSince(change.atMs);
  }
}

const HistoryIndex& History::Index() {
  adoptLoaded();
  return index_;
}

void History::adoptLoaded() {
  if (adopted_ || !openDone_) return;
  adopted_ = true;
  std::unique_ptr<HistoryIndex> loaded;
  {
    std::lock_guard<std::mutex> lock(loadedMutex_);
    loaded = std::move(loaded_);
  }
  // Without a file read, this run's index is all there is.
  if (loaded) {
    for (const HistoryChange& change : sinceStart_) replay(*loaded, change);
    index_ = std::move(*loaded);
  }
  sinceStart_.clear();
  sinceStart_.shrink_to_fit();
}

HistoryVisits History::Visits(const std::string& search) {
  Flush();
  std::lock_guard<std::mutex> lock(storeMutex_);
  if (!store_) return {};
  try {
    return store_->Visits(TypedWords(search));
  } catch (const HistoryError&) {
    return {};
  }
}

void History::Flush() {
  std::unique_lock<std::mutex> lock(queueMutex_);
  idle_.wait(lock, [this] { return queue_.empty() && !writing_; });
}

void History::writerLoop() {
  guardedStep([this] { open(); });
  openDone_ = true;
  std::unique_lock<std::mutex> lock(queueMutex_);
  writing_ = false;
  idle_.notify_all();
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
    if (queue_.empty()) break;  // stopping, with everything written
    std::vector<HistoryChange> batch;
    batch.swap(queue_);
    writing_ = true;
    lock.unlock();
    guardedStep([&] { write(batch); });
    lock.lock();
    writing_ = false;
    idle_.notify_all();
  }
}

void History::write(const std::vector<HistoryChange>& changes) {
  std::lock_guard<std::mutex> lock(storeMutex_);
  if (!store_ || !recording_) return;
  try {
    store_->Apply(changes);
  } catch (const HistoryError& error) {
    stopRecording(messageFor(error, path_));
  }
}

void History::guardedStep(const std::function<void()>& step) {
  // Whatever else goes wrong with the file (no memory, a file system's own error) stops the
  // recording, never Corvane.
  try {
    step();
  } catch (const std::exception& error) {
    std::lock_guard<std::mutex> lock(storeMutex_);
    store_.reset();
    stopRecording(messageFor(HistoryError(HistoryError::Kind::Failed, error.what()), path_));
  }
}

void History::stopRecording(const std::string& message) {
  recording_ = false;
  notice(message);
}

void History::notice(const std::string& message) {
  if (!noticed_.exchange(true)) notices_.HistoryNotice(message);
}

}  // namespace corvane
