#include "history/history_recorder.h"

#include <memory>

namespace mivo {

HistoryRecorder::HistoryRecorder(std::filesystem::path file, HistorySaid said,
                                 std::function<void(const RunRecord&)> kept)
    : file_(std::move(file)),
      said_(std::move(said)),
      kept_(std::move(kept)),
      writer_([this] { run(); }) {}

HistoryRecorder::~HistoryRecorder() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    wake_.notify_all();
    writer_.join();
}

void HistoryRecorder::record(RunRecord run) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(run));
    }
    wake_.notify_all();
}

void HistoryRecorder::sync() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !writing_; });
}

void HistoryRecorder::run() {
    std::unique_ptr<RunHistory> history;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return ending_ || !queue_.empty(); });
        if (queue_.empty()) break;
        RunRecord next = std::move(queue_.front());
        queue_.pop_front();
        writing_ = true;
        lock.unlock();
        if (!history) history = std::make_unique<RunHistory>(file_, said_);
        history->record(next);
        if (kept_) kept_(next);
        lock.lock();
        writing_ = false;
        if (queue_.empty()) idle_.notify_all();
    }
    lock.unlock();
    history.reset();
    lock.lock();
    idle_.notify_all();
}

}  // namespace mivo
