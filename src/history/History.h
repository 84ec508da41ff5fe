#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "history/HistoryChange.h"
#include "history/HistoryIndex.h"
#include "history/HistoryStore.h"
#include "history/HistoryVisits.h"
#include "history/IHistoryNotices.h"
#include "history/IVisitRecorder.h"
#include "platform/IClock.h"

namespace corvane {

// The pages shown in either pane: kept in memory for the address box, and on disk in the
// history database, read and written by a thread of its own, so that neither the start nor
// recording a visit waits for the disk: a visit costs the window's thread an index update and a
// queue entry, and the file is read into a second index that takes over once it is complete.
//
// The history never stops Corvane. A file that is no database, or a damaged one, is renamed
// beside it and a new one begun; a file that another program keeps locked, or that cannot be
// written, leaves this run without recording. Each says so once, through the notices.
class History : public IVisitRecorder {
 public:
  enum class Range { LastHour, Today, Everything };
  // How long a write waits for another running Corvane to finish its own.
  static constexpr int kBusyTimeoutMs = 5000;
  // Longer addresses (a search for a pasted book) are not recorded.
  static constexpr std::size_t kMaxRecordedUrlBytes = 16 * 1024;
  static constexpr std::size_t kMaxTitleBytes = 1024;

  // path: the database file, created with its folder when missing. Starts reading it.
  History(std::string path, const IClock& clock, IHistoryNotices& notices,
          int busyTimeoutMs = kBusyTimeoutMs);
  // Writes what is still queued.
  ~History() override;
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  // A page shown in a pane, now; its title "" while it has none. Only web and file addresses
  // are recorded: what can be opened again.
  void RecordVisit(const std::string& url, const std::string& title) override;
  // The title a page shown got after its visit was recorded.
  void SetTitle(const std::string& url, const std::string& title) override;
  // The address and all its visits.
  void Remove(const std::string& url);
  // Every visit in the range, and the addresses left without one.
  void Clear(Range range);

  // What the address box looks up as the user types: the pages read from the file once it is
  // read, and those of this run. Never waits.
  const HistoryIndex& Index();
  // The visits of pages whose title or address holds every word of search, newest first; all
  // of them for a blank search. Waits for the queued changes to be written first.
  HistoryVisits Visits(const std::string& search);
  // False once the file could not be used: this run records nothing more on disk.
  bool Recording() const { return recording_; }
  // The clock visits are timed by, and the History window tells its days by.
  const IClock& clock() const { return clock_; }
  // Waits until the file is read and every queued change written (or dropped, when not
  // recording).
  void Flush();

  static bool IsRecorded(const std::string& url);

 private:
  void open();
  void openStore();
  // Takes over the index read from the file, with this run's changes made again on it.
  void adoptLoaded();
  void change(HistoryChange change);
  static void replay(HistoryIndex& index, const HistoryChange& change);
  void writerLoop();
  void guardedStep(const std::function<void()>& step);
  void write(const std::vector<HistoryChange>& changes);
  void stopRecording(const std::string& message);
  void notice(const std::string& message);

  const std::string path_;
  const IClock& clock_;
  IHistoryNotices& notices_;
  const int busyTimeoutMs_;
  HistoryIndex index_;
  // Until the index read from the file takes over: the changes it lacks.
  std::vector<HistoryChange> sinceStart_;
  bool adopted_ = false;
  std::mutex loadedMutex_;
  std::unique_ptr<HistoryIndex> loaded_;
  std::atomic<bool> openDone_{false};

  std::mutex storeMutex_;
  std::unique_ptr<HistoryStore> store_;
  std::atomic<bool> recording_{true};
  std::atomic<bool> noticed_{false};

  std::mutex queueMutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::vector<HistoryChange> queue_;
  // The writer reads the file first.
  bool writing_ = true;
  bool stop_ = false;
  std::thread writer_;
};

}  // namespace corvane
