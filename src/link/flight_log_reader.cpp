#include "link/flight_log_reader.h"

#include <chrono>
#include <cstdio>
#include <utility>

#include "common/readable_text.h"
#include "link/flight_log_files.h"

namespace mivo {

namespace {

// "2026-12-08T03:04:05.123": the stamp every recorder line begins with.
constexpr std::size_t kStampLength = 23;
// A line longer than this (damage: bytes without a newline) is given in pieces of it, so that
// no file makes the reading hold more.
constexpr std::size_t kLongestLine = 1 << 20;

bool Digits(std::string_view s, std::size_t at, std::size_t n) {
    if (s.size() < at + n) return false;
    for (std::size_t i = at; i < at + n; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

int Number(std::string_view s, std::size_t at, std::size_t n) {
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) v = v * 10 + (s[i] - '0');
    return v;
}

bool IsStamp(std::string_view s) {
    return s.size() >= kStampLength && Digits(s, 0, 4) && s[4] == '-' && Digits(s, 5, 2) &&
           s[7] == '-' && Digits(s, 8, 2) && s[10] == 'T' && Digits(s, 11, 2) && s[13] == ':' &&
           Digits(s, 14, 2) && s[16] == ':' && Digits(s, 17, 2) && s[19] == '.' && Digits(s, 20, 3);
}

std::chrono::year_month_day Day(std::string_view s) {
    using namespace std::chrono;
    return year_month_day{year{Number(s, 0, 4)}, month{unsigned(Number(s, 5, 2))},
                          day{unsigned(Number(s, 8, 2))}};
}

std::string DayAfter(std::string_view day) {
    using namespace std::chrono;
    const year_month_day next{sys_days{Day(day)} + days{1}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(next.year()), unsigned(next.month()),
                  unsigned(next.day()));
    return text;
}

}  // namespace

std::optional<std::string> FlightLogBound(std::string_view t, bool last) {
    if (!IsFlightLogDay(t.substr(0, 10)) || !Day(t).ok()) return std::nullopt;
    if (t.size() == 10) return std::string(t) + (last ? "T23:59:59.999" : "T00:00:00.000");
    if (t.size() != 19 && t.size() != 23) return std::nullopt;
    const std::string stamp = std::string(t) + (t.size() == 23 ? "" : last ? ".999" : ".000");
    if (!IsStamp(stamp) || Number(stamp, 11, 2) > 23 || Number(stamp, 14, 2) > 59 ||
        Number(stamp, 17, 2) > 59)
        return std::nullopt;
    return stamp;
}

FlightLogLines::FlightLogLines(std::string since, std::string until,
                               std::function<bool(const std::string&)> out)
    : since_(std::move(since)),
      until_(std::move(until)),
      out_(std::move(out)),
      inRange_(since_.empty()) {}

bool FlightLogLines::feed(std::string_view bytes) {
    while (!stopped_ && !bytes.empty()) {
        const std::size_t newline = bytes.find('\n');
        const std::size_t n = newline == std::string_view::npos ? bytes.size() : newline;
        const std::size_t room = kLongestLine - partial_.size();
        if (n > room) {
            partial_.append(bytes.substr(0, room));
            bytes.remove_prefix(room);
            take(std::exchange(partial_, {}));
            continue;
        }
        partial_.append(bytes.substr(0, n));
        if (newline == std::string_view::npos) break;
        bytes.remove_prefix(n + 1);
        take(std::exchange(partial_, {}));
    }
    return !stopped_;
}

bool FlightLogLines::endOfFile() {
    if (!stopped_ && !partial_.empty()) take(std::exchange(partial_, {}) + std::string(kTornMark));
    partial_.clear();
    return !stopped_;
}

bool FlightLogLines::take(std::string line) {
    if (IsStamp(line)) {
        const std::string_view stamp = std::string_view(line).substr(0, kStampLength);
        inRange_ = (since_.empty() || stamp >= since_) && (until_.empty() || stamp <= until_);
    }
    // The recorder writes no control bytes: any there are damage, and reach no terminal.
    if (inRange_ && !out_(EscapeControlBytes(line))) stopped_ = true;
    return !stopped_;
}

FlightLogReading ReadFlightLog(const std::filesystem::path& folder, const std::string& since,
                               const std::string& until,
                               const std::function<bool(const std::string&)>& out) {
    FlightLogReading reading;
    std::error_code error;
    const std::vector<FlightLogFile> files = FlightLogFiles(folder, error);
    if (error) reading.problems.push_back(folder.string() + ": " + error.message());
    reading.files = static_cast<int>(files.size());
    const std::string firstDay = since.empty() ? "" : since.substr(0, 10);
    const std::string lastDay = until.empty() ? "" : DayAfter(until.substr(0, 10));
    FlightLogLines lines(since, until, out);
    for (std::size_t i = 0; i < files.size() && !reading.stopped; ++i) {
        const FlightLogFile& f = files[i];
        if ((!firstDay.empty() && f.day < firstDay) || (!lastDay.empty() && f.day > lastDay))
            continue;
        // A part both plain and compressed (a compression cut short): the plain one holds it all.
        if (i > 0 && f.compressed && !files[i - 1].compressed && files[i - 1].day == f.day &&
            files[i - 1].part == f.part)
            continue;
        std::string problem;
        const bool whole = ReadFlightLogBytes(
            f, [&lines](std::string_view bytes) { return lines.feed(bytes); }, problem);
        if (!whole) reading.problems.push_back(f.path.string() + ": " + problem);
        reading.stopped = !lines.endOfFile();
    }
    return reading;
}

}  // namespace mivo
