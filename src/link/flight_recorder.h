#pragma once
// The flight recorder: every line sent and received, every change of the line's state and every
// failure reported, one line each with its local time to the millisecond, in a file a day:
//   2026-12-08T03:04:05.123 > @?NO        a line sent
//   2026-12-08T03:04:05.301 < 0           a line received
//   2026-12-08T03:04:06.000 = On line     the line's state changed
//   2026-12-08T03:04:07.250 ! No reply    a failure reported
// The monitor's scans (a query and its value line and "OK", over and over) are kept as changes:
//   2026-12-08T03:04:08.417 ~ @?DI 3 = 1, @?POS 1 = 20.00
//       the answers of one scan whose value differs from their query's last one (or is its first
//       in this file, or after a minute without scans), stamped at the first one's "OK"
//   2026-12-08T03:05:00.000 # scans 177, unchanged 6540, changed 9
//       the minute before: the scans begun in it, the answers that came unchanged and those
//       written as changes (at the recorder's end: stamped at its last line, for its part)
// A scan query answered otherwise (a refusal, a re-read notice, another line before its "OK")
// is written as it came. The text is kept as its bytes, control bytes as \xNN
// (common/readable_text).
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

#include "link/flight_entry.h"
#include "link/scan_digest.h"

namespace mivo {

using WallClock = std::function<std::chrono::system_clock::time_point()>;

// "2026-12-08T03:04:05.123": local time to the millisecond (also `mivo --log`'s lines).
std::string LogTimestamp(std::chrono::system_clock::time_point time);

// The folder of the recorder's files: $XDG_STATE_HOME/mivo/log, or ~/.local/state/mivo/log when
// that is unset, empty or not absolute (the values as the environment gives them, null when
// unset). Empty when neither names a folder.
std::filesystem::path FlightLogFolder(const char* xdgStateHome, const char* home);

struct FlightLogLimits {
    int days = 30;                            // today and the days before it
    std::uintmax_t totalBytes = 50ull << 20;  // all the recorder's files together, as on disk
    std::uintmax_t partBytes = 5ull << 20;    // a day's file beyond this goes on in a new part
};

// Writes to mivo-YYYY-MM-DD.log in its folder, a day's further parts mivo-YYYY-MM-DD.N.log
// (N from 1), as link/flight_log_files names them. A file closed (its day over, or its part
// full) is compressed to NAME.log.gz; so is one left plain by an earlier run, at the first line
// of a day. The file being written stays plain: today's last plain part goes on, unless its last
// line has no newline (it stays torn, compressed, and a new part begins). At the first
// line of a day, and whenever the files pass totalBytes, the oldest of them are removed: those
// older than `days`, then the oldest first until the rest fit. Files of other names are left
// alone. A failure to write or compress is said once, through `failed`; after a failed write the
// lines are dropped until the next day tries again. Nothing here throws for a failed write.
// record() only takes the entry and its time; the lines are made and written on the recorder's
// own thread, off the exchange's path, and `failed` is called there. The clock is read there
// too (a minute's count is written once it is over).
class FlightRecorder {
  public:
    FlightRecorder(std::filesystem::path folder, WallClock clock = std::chrono::system_clock::now,
                   std::function<void(const std::string&)> failed = {},
                   FlightLogLimits limits = {});
    ~FlightRecorder();
    FlightRecorder(const FlightRecorder&) = delete;
    FlightRecorder& operator=(const FlightRecorder&) = delete;

    void record(FlightEntry entry, std::string_view text);
    // Waits until every entry taken so far is written (or dropped after a failure) and a minute
    // over by the clock is counted; a scan query waits with it for the rest of its answer.
    void sync();

    const std::filesystem::path& folder() const { return folder_; }
    // The file being written, once the lines taken so far are; empty before the first line and
    // after a failure.
    std::filesystem::path file();

  private:
    using Time = std::chrono::system_clock::time_point;
    // On the recorder's thread.
    void run();
    void line(Time time, const std::string& body);
    const std::string& stamp(Time time);
    void write(const std::string& day, const std::string& line);
    bool open(const std::string& day);
    void settle(const std::string& today);
    void compress(const std::filesystem::path& plain);
    void prune(const std::string& today);
    void fail(const std::string& what, const std::error_code& error);
    void say(const std::string& text);
    void close();

    std::filesystem::path folder_;
    WallClock clock_;
    std::function<void(const std::string&)> failed_;
    FlightLogLimits limits_;
    ScanDigest digest_;
    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
    std::string day_;  // of the file open or the failure
    int part_ = 0;
    std::uintmax_t partSize_ = 0;
    std::uintmax_t total_ = 0;  // of all the recorder's files
    bool said_ = false;
    Time stampSecond_{};
    std::string stamp_;  // of stampSecond_, then the milliseconds of the last line

    std::mutex mutex_;
    std::condition_variable wake_;  // sync() or the end
    std::condition_variable done_;  // a pass of the writer ended
    std::deque<FlightItem> queue_;
    std::uint64_t syncAsked_ = 0;  // passes asked for by sync()
    std::uint64_t syncDone_ = 0;   // of those, the last one a pass has ended
    bool ending_ = false;
    std::thread writer_;  // last: started once the rest is made
};

}  // namespace mivo
