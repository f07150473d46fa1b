#include "link/flight_recorder.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <utility>
#include <vector>

#include "common/said_text.h"
#include "link/flight_log_files.h"

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

std::error_code Errno() { return std::error_code(errno, std::generic_category()); }

// A file whose last line has no newline (the disk was full, the program cut off) stays so, for
// `mivo log` to mark it torn.
bool EndsTorn(const fs::path& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    const bool torn = std::fseek(f, -1, SEEK_END) == 0 && std::fgetc(f) != '\n';
    std::fclose(f);
    return torn;
}

}  // namespace

FlightRecorder::FlightRecorder(fs::path folder, WallClock clock,
                               std::function<void(const std::string&)> failed,
                               FlightLogLimits limits)
    : folder_(std::move(folder)),
      clock_(std::move(clock)),
      failed_(std::move(failed)),
      limits_(limits),
      digest_([this](Time time, const std::string& body) { line(time, body); }),
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

void FlightRecorder::record(FlightEntry entry, std::string_view text) {
    FlightItem item{clock_(), entry, std::string(text)};
    const std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(std::move(item));
}

// The entries taken are written in batches, one flush each, about kBatchWait after they came:
// an entry taken wakes nobody, so that the exchange pays for a lock and a copy only.
void FlightRecorder::run() {
    constexpr auto kBatchWait = std::chrono::milliseconds(50);
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait_for(lock, kBatchWait, [this] { return ending_ || syncAsked_ != syncDone_; });
        const bool ending = ending_;
        const std::uint64_t asked = syncAsked_;
        std::deque<FlightItem> batch;
        batch.swap(queue_);
        lock.unlock();
        for (FlightItem& item : batch) digest_.take(std::move(item));
        if (ending)
            digest_.finish();
        else
            digest_.tick(clock_());
        if (file_ && std::fflush(file_) != 0) fail(path_.string(), Errno());
        lock.lock();
        syncDone_ = asked;
        done_.notify_all();
        if (ending && queue_.empty()) return;
    }
}

void FlightRecorder::sync() {
    std::unique_lock<std::mutex> lock(mutex_);
    const std::uint64_t ticket = ++syncAsked_;
    wake_.notify_one();
    done_.wait(lock, [&] { return syncDone_ >= ticket; });
}

fs::path FlightRecorder::file() {
    sync();
    return path_;
}

// The time's stamp, its date and time made once a second.
const std::string& FlightRecorder::stamp(Time time) {
    using namespace std::chrono;
    const auto second = floor<seconds>(time);
    if (stamp_.empty() || second != stampSecond_) {
        stampSecond_ = second;
        stamp_ = LogTimestamp(second);
    }
    const auto millis = duration_cast<milliseconds>(time - second).count();
    char text[8];
    std::snprintf(text, sizeof text, "%03d", static_cast<int>(millis));
    stamp_.replace(stamp_.size() - 3, 3, text);
    return stamp_;
}

void FlightRecorder::line(Time time, const std::string& body) {
    const std::string& s = stamp(time);
    write(s.substr(0, 10), s + " " + body + "\n");
}

void FlightRecorder::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void FlightRecorder::say(const std::string& text) {
    if (said_) return;
    said_ = true;
    if (failed_) failed_(text);
}

void FlightRecorder::fail(const std::string& what, const std::error_code& error) {
    close();
    path_.clear();
    say(Filled(UI_TEXT("Message", "The flight recorder cannot write %1: %2"),
               {what, error.message()}));
}

// The total counts it anew at the next pruning.
void FlightRecorder::compress(const fs::path& plain) {
    std::uintmax_t size = 0;
    std::string problem;
    if (!CompressFlightLog(plain, size, problem))
        say(Filled(UI_TEXT("Message", "The flight recorder cannot compress %1"), {problem}));
}

// Every plain file but today's last part was closed: compressed now (an earlier run ended before
// it could, or a compression failed); what a compression cut short left behind goes.
void FlightRecorder::settle(const std::string& today) {
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec))
        if (IsFlightLogLeftover(it->path().filename().string())) {
            std::error_code removeError;
            fs::remove(it->path(), removeError);
        }
    const std::vector<FlightLogFile> files = FlightLogFiles(folder_, ec);
    int last = -1;
    for (const FlightLogFile& f : files)
        if (f.day == today) last = std::max(last, f.part);
    for (const FlightLogFile& f : files)
        if (!f.compressed && (f.day < today || (f.day == today && f.part < last))) compress(f.path);
}

void FlightRecorder::prune(const std::string& today) {
    const std::string firstKept = FirstDayKept(today, limits_.days);
    std::error_code ec;
    const std::vector<FlightLogFile> files = FlightLogFiles(folder_, ec);
    total_ = 0;
    for (const FlightLogFile& f : files) total_ += f.size;
    for (const FlightLogFile& f : files) {
        if (f.day >= firstKept && total_ <= limits_.totalBytes) break;
        if (f.path == path_) continue;  // the file being written stays
        std::error_code removeError;
        if (fs::remove(f.path, removeError)) total_ -= std::min(total_, f.size);
    }
}

bool FlightRecorder::open(const std::string& day) {
    close();
    path_.clear();
    std::error_code ec;
    if (folder_.empty())
        ec = std::make_error_code(std::errc::no_such_file_or_directory);
    else
        fs::create_directories(folder_, ec);
    if (ec) {
        fail(folder_.string(), ec);
        return false;
    }
    settle(day);  // the day before among them
    prune(day);
    // Today's last part goes on while it is plain and whole; after a compressed or torn one, a
    // new part begins.
    int last = -1;
    bool plain = false;  // the last part has a plain file
    for (const FlightLogFile& f : FlightLogFiles(folder_, ec)) {
        if (f.day != day || f.part < last) continue;
        plain = (f.part == last && plain) || !f.compressed;
        last = f.part;
    }
    if (plain && EndsTorn(folder_ / FlightLogName(day, last))) {
        compress(folder_ / FlightLogName(day, last));
        plain = false;
    }
    part_ = last < 0 ? 0 : plain ? last : last + 1;
    path_ = folder_ / FlightLogName(day, part_);
    file_ = std::fopen(path_.c_str(), "ab");
    if (!file_) {
        fail(path_.string(), Errno());
        return false;
    }
    partSize_ = fs::file_size(path_, ec);
    if (ec) partSize_ = 0;
    digest_.forget();
    return true;
}

void FlightRecorder::write(const std::string& day, const std::string& line) {
    // A line of a day before the file's (the clock set back) goes into the file open.
    if (day_.empty() || day > day_) {
        day_ = day;
        open(day);
    }
    if (!file_) return;
    if (partSize_ > 0 && partSize_ + line.size() > limits_.partBytes) {
        const fs::path full = path_;
        close();
        compress(full);
        ++part_;
        path_ = folder_ / FlightLogName(day_, part_);
        file_ = std::fopen(path_.c_str(), "ab");
        if (!file_) return fail(path_.string(), Errno());
        partSize_ = 0;
        digest_.forget();
    }
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size())
        return fail(path_.string(), Errno());
    partSize_ += line.size();
    total_ += line.size();
    if (total_ > limits_.totalBytes) {
        std::fflush(file_);  // the sizes on disk are what the pruning counts
        prune(day_);
    }
}

}  // namespace mivo
