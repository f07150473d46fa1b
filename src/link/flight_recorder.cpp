#include "link/flight_recorder.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <utility>
#include <vector>

#include "common/readable_text.h"

namespace mivo {

namespace fs = std::filesystem;

std::string LogTimestamp(std::chrono::system_clock::time_point time) {
    using namespace std::chrono;
    const auto seconds = floor<std::chrono::seconds>(time);
    const auto millis = duration_cast<milliseconds>(time - seconds).count();
    const std::time_t t = system_clock::to_time_t(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    char text[40];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    std::snprintf(text + n, sizeof text - n, ".%03d", static_cast<int>(millis));
    return text;
}

fs::path FlightLogFolder(const char* xdgStateHome, const char* home) {
    if (xdgStateHome && *xdgStateHome && fs::path(xdgStateHome).is_absolute())
        return fs::path(xdgStateHome) / "mivo" / "log";
    if (home && *home) return fs::path(home) / ".local" / "state" / "mivo" / "log";
    return {};
}

namespace {

const char* Marker(FlightEntry entry) {
    switch (entry) {
        case FlightEntry::Sent:
            return "> ";
        case FlightEntry::Received:
            return "< ";
        case FlightEntry::LineState:
            return "= ";
        case FlightEntry::Failure:
            return "! ";
    }
    return "? ";
}

std::string FileName(const std::string& day, int part) {
    return "mivo-" + day + (part > 0 ? "." + std::to_string(part) : "") + ".log";
}

// One of the recorder's files, found by its name.
struct LogFile {
    fs::path path;
    std::string day;
    int part = 0;
    std::uintmax_t size = 0;
};

bool IsDay(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

// "mivo-YYYY-MM-DD.log" or "mivo-YYYY-MM-DD.N.log".
bool ParseName(const std::string& name, LogFile& f) {
    const std::string_view s = name;
    if (s.size() < 19 || s.substr(0, 5) != "mivo-" || s.substr(s.size() - 4) != ".log")
        return false;
    if (!IsDay(s.substr(5, 10))) return false;
    f.day = std::string(s.substr(5, 10));
    const std::string_view rest = s.substr(15, s.size() - 19);
    f.part = 0;
    if (rest.empty()) return true;
    if (rest.size() < 2 || rest.size() > 7 || rest[0] != '.' || rest[1] == '0') return false;
    for (char c : rest.substr(1)) {
        if (c < '0' || c > '9') return false;
        f.part = f.part * 10 + (c - '0');
    }
    return true;
}

// The recorder's files in `folder`, oldest first.
std::vector<LogFile> LogFiles(const fs::path& folder) {
    std::vector<LogFile> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        LogFile f;
        if (!ParseName(it->path().filename().string(), f)) continue;
        std::error_code sizeError;
        if (!it->is_regular_file(sizeError)) continue;
        f.size = it->file_size(sizeError);
        if (sizeError) f.size = 0;
        f.path = it->path();
        files.push_back(std::move(f));
    }
    std::sort(files.begin(), files.end(), [](const LogFile& a, const LogFile& b) {
        return a.day != b.day ? a.day < b.day : a.part < b.part;
    });
    return files;
}

// The first day kept: `days` days back to and with `today`.
std::string FirstDayKept(const std::string& today, int days) {
    using namespace std::chrono;
    const year_month_day t{year{std::stoi(today.substr(0, 4))},
                           month{unsigned(std::stoi(today.substr(5, 2)))},
                           day{unsigned(std::stoi(today.substr(8, 2)))}};
    const year_month_day first{sys_days{t} - std::chrono::days{std::max(days, 1) - 1}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(first.year()), unsigned(first.month()),
                  unsigned(first.day()));
    return text;
}

}  // namespace

FlightRecorder::FlightRecorder(fs::path folder, WallClock clock,
                               std::function<void(const std::string&)> failed,
                               FlightLogLimits limits)
    : folder_(std::move(folder)),
      clock_(std::move(clock)),
      failed_(std::move(failed)),
      limits_(limits),
      writer_([this] { run(); }) {}

FlightRecorder::~FlightRecorder() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        ending_ = true;
    }
    wake_.notify_one();
    writer_.join();  // what was taken is written first
    close();
}

// The lines taken are written in batches, one flush each, about kBatchWait after they came:
// a line taken wakes nobody, so that the exchange pays for a lock and a copy only.
void FlightRecorder::run() {
    constexpr auto kBatchWait = std::chrono::milliseconds(50);
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait_for(lock, kBatchWait,
                       [this] { return ending_ || (syncing_ > 0 && !queue_.empty()); });
        if (queue_.empty()) {
            if (ending_) return;
            continue;
        }
        std::deque<std::pair<std::string, std::string>> batch;
        batch.swap(queue_);
        writing_ = true;
        lock.unlock();
        for (const auto& [day, line] : batch) write(day, line);
        if (file_ && std::fflush(file_) != 0)
            fail(path_.string(), std::error_code(errno, std::generic_category()));
        lock.lock();
        writing_ = false;
        if (queue_.empty()) idle_.notify_all();
    }
}

void FlightRecorder::sync() {
    std::unique_lock<std::mutex> lock(mutex_);
    ++syncing_;
    wake_.notify_one();
    idle_.wait(lock, [this] { return queue_.empty() && !writing_; });
    --syncing_;
}

fs::path FlightRecorder::file() {
    sync();
    return path_;
}

void FlightRecorder::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void FlightRecorder::fail(const std::string& what, const std::error_code& error) {
    close();
    path_.clear();
    if (said_) return;
    said_ = true;
    if (failed_) failed_("The flight recorder cannot write " + what + ": " + error.message());
}

void FlightRecorder::prune(const std::string& today) {
    const std::string firstKept = FirstDayKept(today, limits_.days);
    std::vector<LogFile> files = LogFiles(folder_);
    total_ = 0;
    for (const LogFile& f : files) total_ += f.size;
    for (const LogFile& f : files) {
        if (f.day >= firstKept && total_ <= limits_.totalBytes) break;
        if (f.path == path_) continue;  // the file being written stays
        std::error_code ec;
        if (fs::remove(f.path, ec)) total_ -= std::min(total_, f.size);
    }
}

bool FlightRecorder::open(const std::string& day) {
    close();
    std::error_code ec;
    if (folder_.empty())
        ec = std::make_error_code(std::errc::no_such_file_or_directory);
    else
        fs::create_directories(folder_, ec);
    if (ec) {
        fail(folder_.string(), ec);
        return false;
    }
    path_.clear();
    prune(day);
    // Today's last part goes on.
    part_ = 0;
    for (const LogFile& f : LogFiles(folder_))
        if (f.day == day) part_ = std::max(part_, f.part);
    path_ = folder_ / FileName(day, part_);
    file_ = std::fopen(path_.c_str(), "ab");
    if (!file_) {
        fail(path_.string(), std::error_code(errno, std::generic_category()));
        return false;
    }
    partSize_ = fs::file_size(path_, ec);
    if (ec) partSize_ = 0;
    return true;
}

void FlightRecorder::record(FlightEntry entry, std::string_view text) {
    const std::string stamp = LogTimestamp(clock_());
    std::string line = stamp + " " + Marker(entry) + EscapeControlBytes(text) + "\n";
    const std::lock_guard<std::mutex> lock(mutex_);
    queue_.emplace_back(stamp.substr(0, 10), std::move(line));
}

void FlightRecorder::write(const std::string& day, const std::string& line) {
    if (day != day_) {
        day_ = day;
        open(day);
    }
    if (!file_) return;
    if (partSize_ > 0 && partSize_ + line.size() > limits_.partBytes) {
        close();
        ++part_;
        path_ = folder_ / FileName(day, part_);
        file_ = std::fopen(path_.c_str(), "ab");
        if (!file_) return fail(path_.string(), std::error_code(errno, std::generic_category()));
        partSize_ = 0;
    }
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size())
        return fail(path_.string(), std::error_code(errno, std::generic_category()));
    partSize_ += line.size();
    total_ += line.size();
    if (total_ > limits_.totalBytes) {
        std::fflush(file_);  // the sizes on disk are what the pruning counts
        prune(day);
    }
}

}  // namespace mivo
