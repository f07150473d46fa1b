#pragma once
// What the flight recorder's tests share: local times whatever the zone, a clock the test sets
// and the recorder's thread reads, and the files read back (a compressed one with zlib itself).
#include <zlib.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "link/flight_recorder.h"

namespace mivo::test {

using std::chrono::system_clock;

// 2026-12-DAY HOUR:MINUTE:SECOND local time.
inline system_clock::time_point Local(int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return system_clock::from_time_t(std::mktime(&t));
}

// The recorder's wall clock, set by the test.
class TestClock {
  public:
    explicit TestClock(system_clock::time_point t) { set(t); }
    void set(system_clock::time_point t) { ticks_ = t.time_since_epoch().count(); }
    system_clock::time_point now() const {
        return system_clock::time_point(system_clock::duration(ticks_.load()));
    }
    WallClock clock() {
        return [this] { return now(); };
    }

  private:
    std::atomic<system_clock::rep> ticks_{0};
};

inline std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A gzip file's text through zlib's own reader; "(unreadable)" when it is no gzip file.
inline std::string Gunzip(const std::filesystem::path& path) {
    gzFile f = gzopen(path.c_str(), "rb");
    if (!f) return "(unreadable)";
    std::string text;
    char buffer[4096];
    int n = 0;
    while ((n = gzread(f, buffer, sizeof buffer)) > 0) text.append(buffer, std::size_t(n));
    const bool ended = n == 0 && gzclose(f) == Z_OK;
    return ended ? text : "(unreadable)";
}

inline void Make(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The names in `folder`, sorted, each followed by a blank.
inline std::string Names(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.insert(e.path().filename().string());
    std::string all;
    for (const auto& n : names) all += n + " ";
    return all;
}

}  // namespace mivo::test
