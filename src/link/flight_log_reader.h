#pragma once
// The flight recorder's lines of a time range, read back from its files (`mivo log`): the day
// files and their parts, plain or compressed, in the order they were written. Times compare as
// the recorder writes them, as text of local time. A line whose file ends without its newline
// (cut short, for example by a full disk) is given with " [torn]" after it; a line without a time
// of its own (damage inside a file) goes with the line before it. Plain C++.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mivo {

inline constexpr std::string_view kTornMark = " [torn]";

// A bound of the range from what the user typed: "2026-12-08T03:04:05", with ".mmm" or without,
// or a day "2026-12-08"; as the stamp it is compared with ("2026-12-08T03:04:05.000"). A `last`
// bound takes in the whole second or day it names ("...:05.999", "...T23:59:59.999"). None when
// `text` is neither, or no such day or time.
std::optional<std::string> FlightLogBound(std::string_view text, bool last);

// The lines of the recorder's text within [since, until] (an empty bound: open), from the bytes
// as they are read, file after file.
class FlightLogLines {
  public:
    // `out` gets each line in range, without its newline; false from it stops the reading.
    FlightLogLines(std::string since, std::string until,
                   std::function<bool(const std::string&)> out);
    // False once `out` has stopped it.
    bool feed(std::string_view bytes);
    // The end of a file: a last line without its newline is given, torn.
    bool endOfFile();

  private:
    bool take(std::string line);

    std::string since_, until_;
    std::function<bool(const std::string&)> out_;
    std::string partial_;
    bool inRange_;  // of the last line with a time
    bool stopped_ = false;
};

struct FlightLogReading {
    int files = 0;                      // the recorder's files found in the folder
    std::vector<std::string> problems;  // "FILE: REASON", a file or the folder not read whole
    bool stopped = false;               // `out` stopped it
};

// The lines of `folder`'s files within [since, until] (bounds as FlightLogBound makes them, empty
// for none) to `out`. Only the files of the days the range touches are read (and of the day
// after it, which may begin with a line of the day before).
FlightLogReading ReadFlightLog(const std::filesystem::path& folder, const std::string& since,
                               const std::string& until,
                               const std::function<bool(const std::string&)>& out);

}  // namespace mivo
