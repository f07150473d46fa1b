#pragma once
// The monitor's scans as the flight recorder keeps them: a query and its answer (one value line,
// then "OK") written only when the value differs from the last one that query had, the changes
// one scan found on one line; and a line a minute counting the scans and the answers. A scan is
// the queries answered until one of them comes again. A running program's lines that come
// before a query's value ("OK", "END", "CEND" and its line) pass on, as anything else does, and
// a scan query whose answer does not come so (a refusal, a re-read notice, noise, another line
// between its value and "OK") passes as it came. Lines come out in the order of their times when
// the entries go in so.
// Plain C++, on the recorder's thread.
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "link/flight_entry.h"

namespace mivo {

class ScanDigest {
  public:
    using Time = std::chrono::system_clock::time_point;
    // A line to write: its time and what follows the time ("> @?NO", "~ @?DI 3 = 1").
    using Out = std::function<void(Time, const std::string& body)>;

    // Values are forgotten (and written again at their next answer) after this long without a
    // scan answer: the monitor had ended.
    static constexpr std::chrono::seconds kForgetAfter{60};
    // A minute's count is written once the clock is this far past its end and nothing came.
    static constexpr std::chrono::seconds kGrace{1};

    explicit ScanDigest(Out out) : out_(std::move(out)) {}

    void take(FlightItem item);
    // The clock stands at `now`: a minute over is counted out.
    void tick(Time now);
    // The end: a query held for its answer is written as it came, the open minute counted out.
    void finish();
    // The values known so far are written again at their next answer (a new file begins).
    void forget();

  private:
    struct Pending {
        FlightItem query;
        std::vector<FlightItem> between;  // a run's lines before its value
        bool partnerDue = false;          // the line after a "CEND" is the run's too
        std::optional<FlightItem> value;
    };
    struct Changes {
        Time at;                                                  // of the first
        std::vector<std::pair<std::string, std::string>> values;  // query, value
    };
    struct Minute {
        Time start;
        long scans = 0, unchanged = 0, changed = 0;
    };
    bool continues(FlightItem& item);
    void answered(Time at);
    void flushChanges();
    void flushPending();
    void raw(const FlightItem& item);
    void line(Time at, const std::string& body);
    void closeMinutes(Time bound);
    void countOut(Time stamp);

    Out out_;
    std::optional<Pending> pending_;
    std::optional<Changes> changes_;            // of the scan under way, not yet written
    std::map<std::string, std::string> known_;  // query -> its last value
    std::set<std::string> round_;               // the queries answered in this scan so far
    std::optional<Minute> minute_;
    std::optional<Time> lastAnswer_;
    Time lastLine_{};
};

}  // namespace mivo
