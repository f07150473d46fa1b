// The monitor's scans in the flight recorder: kept as changes and a count a minute, everything
// else as it came. The link's exchanges marked as scans: LinkExchange.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flight_log_rig.h"
#include "link/flight_recorder.h"
#include "support/temp_dir.h"

namespace mivo::test {

namespace {

using std::chrono::milliseconds;
using E = FlightEntry;

struct Entry {
    int ms;  // after 03:04:05.000
    FlightEntry entry;
    const char* text;
};

}  // namespace

TEST(RecordedScans, ScansKeptAsChangesAndAMinutesCount) {
    TempDir folder;
    const auto base = Local(8, 3, 4, 5);
    TestClock now(base);
    // clang-format off
    const Entry entries[] = {
        // A scan's first answers, on one line; the same again: nothing.
        {0, E::ScanQuery, "@?DI 3"}, {10, E::Received, "0"}, {20, E::Received, "OK"},
        {1000, E::ScanQuery, "@?POS 1"}, {1010, E::Received, "10.00"}, {1020, E::Received, "OK"},
        {2000, E::ScanQuery, "@?DI 3"}, {2010, E::Received, "0"}, {2020, E::Received, "OK"},
        {3000, E::ScanQuery, "@?POS 1"}, {3010, E::Received, "10.00"}, {3020, E::Received, "OK"},
        // Not the monitor's: as it came.
        {4000, E::Sent, "@RUN"}, {4010, E::Received, "OK"}, {4020, E::Received, "OK"},
        // A change.
        {5000, E::ScanQuery, "@?DI 3"}, {5010, E::Received, "1"}, {5020, E::Received, "OK"},
        // Answered otherwise: a re-read notice, a run's line before the "OK", bytes dropped.
        {6000, E::ScanQuery, "@?POS 1"}, {6010, E::Received, "ERR"},
        {6020, E::Received, "32:Position read error"}, {6030, E::Received, "10.00"}, {6040, E::Received, "OK"},
        {7000, E::ScanQuery, "@?DI 3"}, {7010, E::Received, "1"}, {7020, E::Received, "END"},
        {7030, E::Received, "OK"},
        {8000, E::ScanQuery, "@?DI 4"}, {8010, E::Dropped, "dropped 3 bytes: \x01" "bc"},
        // A run's cycle end ("CEND", its count, "OK") before a value: the scan goes on.
        {9000, E::ScanQuery, "@?SNO"}, {9010, E::Received, "CEND"}, {9020, E::Received, "12"},
        {9030, E::Received, "OK"}, {9040, E::Received, "5"}, {9050, E::Received, "OK"},
        // Unchanged, late in the minute.
        {45000, E::ScanQuery, "@?DI 3"}, {45010, E::Received, "1"}, {45020, E::Received, "OK"},
        {45100, E::ScanQuery, "@?POS 1"}, {45110, E::Received, "10.00"}, {45120, E::Received, "OK"},
    };
    // clang-format on
    const std::string minute =
        "2026-12-08T03:04:05.020 ~ @?DI 3 = 0, @?POS 1 = 10.00\n"
        "2026-12-08T03:04:09.000 > @RUN\n"
        "2026-12-08T03:04:09.010 < OK\n"
        "2026-12-08T03:04:09.020 < OK\n"
        "2026-12-08T03:04:10.020 ~ @?DI 3 = 1\n"
        "2026-12-08T03:04:11.000 > @?POS 1\n"
        "2026-12-08T03:04:11.010 < ERR\n"
        "2026-12-08T03:04:11.020 < 32:Position read error\n"
        "2026-12-08T03:04:11.030 < 10.00\n"
        "2026-12-08T03:04:11.040 < OK\n"
        "2026-12-08T03:04:12.000 > @?DI 3\n"
        "2026-12-08T03:04:12.010 < 1\n"
        "2026-12-08T03:04:12.020 < END\n"
        "2026-12-08T03:04:12.030 < OK\n"
        "2026-12-08T03:04:13.000 > @?DI 4\n"
        "2026-12-08T03:04:13.010 < dropped 3 bytes: \\x01bc\n"
        "2026-12-08T03:04:14.010 < CEND\n"
        "2026-12-08T03:04:14.020 < 12\n"
        "2026-12-08T03:04:14.030 < OK\n"
        "2026-12-08T03:04:14.050 ~ @?SNO = 5\n";
    const std::string count = "2026-12-08T03:05:00.000 # scans 4, unchanged 4, changed 4\n";
    const std::filesystem::path file = folder.path() / "mivo-2026-12-08.log";
    {
        FlightRecorder recorder(folder.path(), now.clock());
        for (const Entry& e : entries) {
            now.set(base + milliseconds(e.ms));
            recorder.record(e.entry, e.text);
        }
        // The minute is counted once the clock is a second past it.
        now.set(Local(8, 3, 5, 0) + milliseconds(500));
        recorder.sync();
        EXPECT_EQ(Contents(file), minute);
        now.set(Local(8, 3, 5, 1) + milliseconds(500));
        recorder.sync();
        EXPECT_EQ(Contents(file), minute + count);
        // After a minute without scans the values are written again.
        for (const Entry& e : {Entry{0, E::ScanQuery, "@?DI 3"}, Entry{10, E::Received, "1"},
                               Entry{20, E::Received, "OK"}, Entry{1000, E::ScanQuery, "@?SNO"}}) {
            now.set(Local(8, 3, 7, 0) + milliseconds(e.ms));
            recorder.record(e.entry, e.text);
        }
    }
    // At the end a query still waiting for its answer is written, and the minute so far counted.
    EXPECT_EQ(Contents(file), minute + count +
                                  "2026-12-08T03:07:00.020 ~ @?DI 3 = 1\n"
                                  "2026-12-08T03:07:01.000 > @?SNO\n"
                                  "2026-12-08T03:07:01.000 # scans 1, unchanged 0, changed 1\n");
}

}  // namespace mivo::test
