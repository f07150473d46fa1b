#include "common/run_record.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace mivo {

namespace {

struct ResultWord {
    RunResult result;
    std::string_view word;
};
constexpr std::array<ResultWord, 7> kWords{{
    {RunResult::End, "END"},
    {RunResult::Error, "ERR"},
    {RunResult::Stop, "STOP"},
    {RunResult::MotorStop, "MSTOP"},
    {RunResult::Emergency, "EMG"},
    {RunResult::LineLost, "LINE LOST"},
    {RunResult::HostEnded, "HOST ENDED"},
}};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto up = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
        if (up(a[i]) != up(b[i])) return false;
    }
    return true;
}

}  // namespace

std::string_view RunResultWord(RunResult result) {
    for (const ResultWord& w : kWords)
        if (w.result == result) return w.word;
    return "END";
}

std::optional<RunResult> RunResultOfWord(std::string_view word) {
    for (const ResultWord& w : kWords)
        if (SameIgnoringCase(w.word, word)) return w.result;
    return std::nullopt;
}

const std::vector<RunResult>& AllRunResults() {
    static const std::vector<RunResult> all = [] {
        std::vector<RunResult> v;
        for (const ResultWord& w : kWords) v.push_back(w.result);
        return v;
    }();
    return all;
}

std::int64_t UtcMillisecondsNow() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::string UtcTimestamp(std::int64_t utcMilliseconds) {
    std::int64_t seconds = utcMilliseconds / 1000;
    std::int64_t ms = utcMilliseconds % 1000;
    if (ms < 0) {
        ms += 1000;
        --seconds;
    }
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", tm.tm_year + 1900,
                  tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, int(ms));
    return text;
}

}  // namespace mivo
