#pragma once
// Keeps runs in the run history on a thread of its own, so that a run's end never waits for the
// disk: record() only takes the run. The history is opened on that thread, at the first run.
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

#include "history/run_history.h"

namespace mivo {

class HistoryRecorder {
  public:
    // `said` (the history's messages) and `kept` (each run once written, with its id; 0 when it
    // could not be kept) are called on the recorder's thread.
    HistoryRecorder(std::filesystem::path file, HistorySaid said = {},
                    std::function<void(const RunRecord&)> kept = {});
    // Keeps every run taken, then ends.
    ~HistoryRecorder();
    HistoryRecorder(const HistoryRecorder&) = delete;
    HistoryRecorder& operator=(const HistoryRecorder&) = delete;

    void record(RunRecord run);
    // Waits until every run taken so far is kept (or dropped).
    void sync();

    const std::filesystem::path& file() const { return file_; }

  private:
    void run();

    std::filesystem::path file_;
    HistorySaid said_;
    std::function<void(const RunRecord&)> kept_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<RunRecord> queue_;
    bool writing_ = false;
    bool ending_ = false;
    std::thread writer_;  // last: started once the rest is made
};

}  // namespace mivo
