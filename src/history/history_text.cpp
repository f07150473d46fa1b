#include "history/history_text.h"

#include <cstdio>
#include <ctime>

#include "common/seconds_text.h"

namespace mivo {

namespace {

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string Number(std::int64_t n, bool known) { return known ? std::to_string(n) : ""; }

std::tm LocalTm(std::int64_t utcMilliseconds) {
    std::int64_t seconds = utcMilliseconds / 1000;
    if (utcMilliseconds % 1000 < 0) --seconds;
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

bool Digits(std::string_view text, std::size_t at, std::size_t count, int& value) {
    if (at + count > text.size()) return false;
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

bool Matches(const HistoryFilter& filter, const RunRecord& run) {
    if (filter.program && run.program != *filter.program) return false;
    if (filter.result && run.result != *filter.result) return false;
    if (filter.sinceMs && run.startMs < *filter.sinceMs) return false;
    if (filter.untilMs && run.startMs >= *filter.untilMs) return false;
    return true;
}

std::string HistoryCsvHeader() {
    return "id,start,end,program,result,error,cycle_s,program_hash,robot,versions,host\n";
}

std::string HistoryCsvLine(const RunRecord& run) {
    std::string line;
    line.reserve(160);
    line += std::to_string(run.id);
    line += ',';
    line += UtcTimestamp(run.startMs);
    line += ',';
    line += UtcTimestamp(run.endMs);
    line += ',';
    line += Number(run.program, run.program >= 0);
    line += ',';
    line += RunResultWord(run.result);
    line += ',';
    line += CsvField(run.errorCode);
    line += ',';
    if (run.cycleMs) line += ThousandthsText(double(*run.cycleMs) / 1000.0);
    line += ',';
    line += CsvField(run.programHash);
    line += ',';
    line += Number(run.robot, run.robot >= 0);
    line += ',';
    line += CsvField(run.versions);
    line += ',';
    line += CsvField(run.host);
    line += '\n';
    return line;
}

std::string LocalDateTime(std::int64_t utcMilliseconds) {
    const std::tm tm = LocalTm(utcMilliseconds);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", tm.tm_year + 1900,
                  tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return text;
}

std::string HistoryLine(const RunRecord& run) {
    char head[64];
    std::snprintf(head, sizeof head, "%6lld  ", static_cast<long long>(run.id));
    std::string line = head + LocalDateTime(run.startMs);
    line += run.program >= 0 ? "  P" + std::to_string(run.program) : "  P?";
    std::string result(RunResultWord(run.result));
    if (!run.errorCode.empty()) result += " " + run.errorCode;
    result.resize(std::max<std::size_t>(result.size(), 10), ' ');
    line += "  " + result;
    std::string cycle = run.cycleMs ? SecondsText(*run.cycleMs) : "-";
    if (cycle.size() < 10) cycle.insert(0, 10 - cycle.size(), ' ');
    line += cycle;
    if (!run.programHash.empty()) line += "  " + run.programHash.substr(0, 8);
    return line;
}

std::optional<std::int64_t> ParseLocalDate(std::string_view text, bool endOfDay) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!Digits(text, 0, 4, year) || text.size() < 10 || text[4] != '-' ||
        !Digits(text, 5, 2, month) || text[7] != '-' || !Digits(text, 8, 2, day))
        return std::nullopt;
    bool timeGiven = false;
    if (text.size() > 10) {
        if ((text[10] != 'T' && text[10] != ' ') || text.size() < 16 ||
            !Digits(text, 11, 2, hour) || text[13] != ':' || !Digits(text, 14, 2, minute))
            return std::nullopt;
        if (text.size() > 16 &&
            (text.size() != 19 || text[16] != ':' || !Digits(text, 17, 2, second)))
            return std::nullopt;
        timeGiven = true;
    }
    static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month < 1 || month > 12 || day < 1 || day > kDays[month - 1] ||
        (month == 2 && day == 29 && !leap) || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day + (endOfDay && !timeGiven ? 1 : 0);
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    const std::time_t t = std::mktime(&tm);
    if (t == std::time_t(-1)) return std::nullopt;
    return std::int64_t(t) * 1000;
}

}  // namespace mivo
