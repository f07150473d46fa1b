#pragma once
// The flight recorder: every line sent and received, every change of the line's state and every
// failure reported, one line each with its local time to the millisecond, in a file a day:
//   2026-12-08T03:04:05.123 > @?NO        a line sent
//   2026-12-08T03:04:05.301 < 0           a line received
//   2026-12-08T03:04:06.000 = On line     the line's state changed
//   2026-12-08T03:04:07.250 ! No reply    a failure reported
// The text is kept as its bytes, control bytes as \xNN (common/readable_text).
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

namespace mivo {

using WallClock = std::function<std::chrono::system_clock::time_point()>;

// "2026-12-08T03:04:05.123": local time to the millisecond (also `mivo --log`'s lines).
std::string LogTimestamp(std::chrono::system_clock::time_point time);

// The folder of the recorder's files: $XDG_STATE_HOME/mivo/log, or ~/.local/state/mivo/log when
// that is unset, empty or not absolute (the values as the environment gives them, null when
// unset). Empty when neither names a folder.
std::filesystem::path FlightLogFolder(const char* xdgStateHome, const char* home);

enum class FlightEntry { Sent, Received, LineState, Failure };

struct FlightLogLimits {
    int days = 30;                            // today and the days before it
    std::uintmax_t totalBytes = 50ull << 20;  // all the recorder's files together
    std::uintmax_t partBytes = 5ull << 20;    // a day's file beyond this goes on in a new part
};

// Writes to mivo-YYYY-MM-DD.log in its folder, a day's further parts mivo-YYYY-MM-DD.N.log
// (N from 1). At the first line of a day, and whenever the files pass totalBytes, the oldest of
// them are removed: those older than `days`, then the oldest first until the rest fit. Files of
// other names are left alone. A failure to write is said once, through `failed`; the lines are
// then dropped until the next day tries again. Nothing here throws for a failed write.
// record() only takes the line (its time read then); the files are written on the recorder's
// own thread, off the exchange's path, and `failed` is called there.
class FlightRecorder {
  public:
    FlightRecorder(std::filesystem::path folder, WallClock clock = std::chrono::system_clock::now,
                   std::function<void(const std::string&)> failed = {},
                   FlightLogLimits limits = {});
    ~FlightRecorder();
    FlightRecorder(const FlightRecorder&) = delete;
    FlightRecorder& operator=(const FlightRecorder&) = delete;

    void record(FlightEntry entry, std::string_view text);
    // Waits until every line taken so far is written (or dropped after a failure).
    void sync();

    const std::filesystem::path& folder() const { return folder_; }
    // The file being written, once the lines taken so far are; empty before the first line and
    // after a failure.
    std::filesystem::path file();

  private:
    // On the recorder's thread.
    void run();
    void write(const std::string& day, const std::string& line);
    bool open(const std::string& day);
    void prune(const std::string& today);
    void fail(const std::string& what, const std::error_code& error);
    void close();

    std::filesystem::path folder_;
    WallClock clock_;
    std::function<void(const std::string&)> failed_;
    FlightLogLimits limits_;
    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
    std::string day_;  // of the file open or the failure
    int part_ = 0;
    std::uintmax_t partSize_ = 0;
    std::uintmax_t total_ = 0;  // of all the recorder's files
    bool said_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;                           // sync() or the end
    std::condition_variable idle_;                           // every line taken is written
    std::deque<std::pair<std::string, std::string>> queue_;  // (day, line)
    bool writing_ = false;
    bool ending_ = false;
    int syncing_ = 0;     // callers of sync() waiting
    std::thread writer_;  // last: started once the rest is made
};

}  // namespace mivo
