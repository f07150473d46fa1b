// The flight recorder's files and the reader of their lines.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "flight_log_rig.h"
#include "link/flight_log_files.h"
#include "link/flight_log_reader.h"
#include "link/flight_recorder.h"
#include "support/temp_dir.h"

namespace mivo::test {

namespace fs = std::filesystem;

namespace {

// What `zcat FILE` prints, as a user reads the file; gzip's own check of the whole file too.
std::string Zcat(const fs::path& path) {
    std::FILE* p = ::popen(("zcat '" + path.string() + "' 2>/dev/null").c_str(), "r");
    if (!p) return "(zcat did not start)";
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) text.append(buffer, n);
    return ::pclose(p) == 0 ? text : "(zcat failed)";
}

std::uintmax_t SizeOnDisk(const fs::path& folder) {
    std::uintmax_t total = 0;
    for (const auto& e : fs::directory_iterator(folder)) total += e.file_size();
    return total;
}

using std::chrono::milliseconds;
using E = FlightEntry;

// A recorder's entry at `ms` after 03:04:05.000.
struct Entry {
    int ms;
    FlightEntry entry;
    const char* text;
};

}  // namespace

TEST(FlightRecorder, FolderFromTheEnvironment) {
    const struct {
        const char *xdg, *home, *folder;
    } cases[] = {
        {"/s", "/h", "/s/mivo/log"},
        {nullptr, "/h", "/h/.local/state/mivo/log"},
        {"", "/h", "/h/.local/state/mivo/log"},
        {"relative", "/h", "/h/.local/state/mivo/log"},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FlightLogFolder(c.xdg, c.home), c.folder) << c.folder;
}

// A file a day, its lines stamped to the millisecond; the old days go, other files stay, and a
// day's file is compressed once the next day begins (or at the start, left plain by a run before).
TEST(FlightRecorder, DailyFilesPrunedByAgeAndClosedOnesCompressed) {
    QTemporaryDir tmp;
    const fs::path folder = fs::path(tmp.path().toStdString()) / "state" / "mivo" / "log";
    fs::create_directories(folder);
    for (const char* name : {"mivo-2026-11-08.log", "mivo-2026-11-09.log", "notes.txt"})
        Make(folder / name, "xxxxxxxxxx");
    TestClock now(Local(8, 3, 4, 5) + std::chrono::microseconds(123999));
    FlightRecorder recorder(folder, now.clock());
    recorder.record(FlightEntry::Sent, "@?NO");
    recorder.record(FlightEntry::Received, "0\x1B[2J");
    recorder.record(FlightEntry::LineState, "On line");
    recorder.record(FlightEntry::Failure, "No reply");
    recorder.sync();
    const std::string day8 =
        "2026-12-08T03:04:05.123 > @?NO\n2026-12-08T03:04:05.123 < 0\\x1B[2J\n"
        "2026-12-08T03:04:05.123 = On line\n2026-12-08T03:04:05.123 ! No reply\n";
    EXPECT_EQ(Contents(folder / "mivo-2026-12-08.log"), day8);
    EXPECT_EQ(Names(folder), "mivo-2026-11-09.log.gz mivo-2026-12-08.log notes.txt ");
    EXPECT_EQ(Gunzip(folder / "mivo-2026-11-09.log.gz"), "xxxxxxxxxx");
    now.set(Local(9, 0, 0, 0));
    recorder.record(FlightEntry::Sent, "@RUN");
    recorder.sync();
    EXPECT_EQ(Contents(folder / "mivo-2026-12-09.log"), "2026-12-09T00:00:00.000 > @RUN\n");
    EXPECT_EQ(Names(folder), "mivo-2026-12-08.log.gz mivo-2026-12-09.log notes.txt ");
    EXPECT_EQ(Zcat(folder / "mivo-2026-12-08.log.gz"), day8);
}

// A full part is compressed as the next begins; the total counts the files as they are on disk,
// so that compressed parts leave room for many more, and past it the oldest go first.
TEST(FlightRecorder, FullPartsCompressedAndTheTotalCountsThemCompressed) {
    QTemporaryDir tmp;
    const fs::path folder(tmp.path().toStdString());
    TestClock now(Local(8, 3, 4, 5));
    // 227 bytes a line: a part holds four; 13 lines written are 2951 bytes, past the total.
    FlightRecorder recorder(folder, now.clock(), {}, {30, 1500, 1000});
    const std::string line = "2026-12-08T03:04:05.000 > " + std::string(200, 'a') + "\n";
    for (int i = 0; i < 13; ++i) recorder.record(FlightEntry::Sent, std::string(200, 'a'));
    recorder.sync();
    EXPECT_EQ(Names(folder),
              "mivo-2026-12-08.1.log.gz mivo-2026-12-08.2.log.gz mivo-2026-12-08.3.log "
              "mivo-2026-12-08.log.gz ");
    for (const char* name :
         {"mivo-2026-12-08.log.gz", "mivo-2026-12-08.1.log.gz", "mivo-2026-12-08.2.log.gz"}) {
        EXPECT_EQ(Zcat(folder / name), line + line + line + line) << name;
        EXPECT_LT(fs::file_size(folder / name), 227u) << name;
    }
    EXPECT_EQ(Contents(folder / "mivo-2026-12-08.3.log"), line);

    // Lines that hardly compress: the total is passed, and the oldest parts go.
    std::mt19937 random(7);
    std::vector<std::string> noise;
    for (int i = 0; i < 16; ++i) {
        std::string text(200, ' ');
        for (char& c : text) c = static_cast<char>('!' + random() % 90);
        noise.push_back(text);
        recorder.record(FlightEntry::Received, text);
    }
    recorder.sync();
    EXPECT_FALSE(fs::exists(folder / "mivo-2026-12-08.log.gz"));
    EXPECT_LE(SizeOnDisk(folder), 1500u);
    // The newest part holds the last line; the lines before it are in the parts before.
    const fs::path newest = recorder.file();
    EXPECT_EQ(newest.filename(), "mivo-2026-12-08.7.log");
    EXPECT_EQ(Contents(newest), "2026-12-08T03:04:05.000 < " + noise.back() + "\n");
    EXPECT_EQ(Gunzip(folder / "mivo-2026-12-08.6.log.gz").substr(26, 200), noise[11]);
}

// At the start every closed file is compressed: days before today, and today's parts before its
// last; today's last part goes on while it is plain and whole, and a new one begins after a
// compressed or torn one.
TEST(FlightRecorder, StartCompressesWhatARunBeforeLeftPlain) {
    const struct {
        std::vector<const char*> before;
        const char* after;  // the names once a line of 2026-12-08 is written
        const char* written;
        bool torn = false;  // the files before end without their newline
    } cases[] = {
        // clang-format off
        {{"mivo-2026-12-07.log"}, "mivo-2026-12-07.log.gz mivo-2026-12-08.log ", "mivo-2026-12-08.log"},
        {{"mivo-2026-12-08.log"}, "mivo-2026-12-08.log ", "mivo-2026-12-08.log"},
        {{"mivo-2026-12-08.log.gz"}, "mivo-2026-12-08.1.log mivo-2026-12-08.log.gz ", "mivo-2026-12-08.1.log"},
        {{"mivo-2026-12-08.log", "mivo-2026-12-08.1.log"}, "mivo-2026-12-08.1.log mivo-2026-12-08.log.gz ",
         "mivo-2026-12-08.1.log"},
        {{"mivo-2026-12-08.log"}, "mivo-2026-12-08.1.log mivo-2026-12-08.log.gz ", "mivo-2026-12-08.1.log", true},
        {{"mivo-2026-12-08.log.gz.tmp"}, "mivo-2026-12-08.log ", "mivo-2026-12-08.log"},
        {{"mivo-2026-12-08.2.log.gz", "mivo-2026-12-08.2.log"}, "mivo-2026-12-08.2.log mivo-2026-12-08.2.log.gz ",
         "mivo-2026-12-08.2.log"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        QTemporaryDir tmp;
        const fs::path folder(tmp.path().toStdString());
        const std::string end = c.torn ? "" : "\n";
        for (const char* name : c.before) Make(folder / name, name + end);
        TestClock now(Local(8, 3, 4, 5));
        FlightRecorder recorder(folder, now.clock());
        recorder.record(FlightEntry::Sent, "@?NO");
        EXPECT_EQ(recorder.file(), folder / c.written);
        EXPECT_EQ(Names(folder), c.after);
        // What was compressed now holds what the plain file held.
        for (const char* name : c.before) {
            const fs::path gz = folder / (std::string(name) + ".gz");
            if (fs::exists(folder / name) || !fs::exists(gz)) continue;
            EXPECT_EQ(Zcat(gz), name + end);
        }
    }
}

// A folder that cannot be made: said once, the lines dropped, nothing thrown.
TEST(FlightRecorder, WriteFailureSaidOnce) {
    QTemporaryDir tmp;
    const fs::path plain = fs::path(tmp.path().toStdString()) / "plain";
    Make(plain, "x");
    TestClock now(Local(8, 3, 4, 5));
    std::vector<std::string> said;
    FlightRecorder recorder(plain / "log", now.clock(),
                            [&](const std::string& m) { said.push_back(m); });
    for (int day : {8, 8, 9}) {
        now.set(Local(day, 1, 0, 0));
        EXPECT_NO_THROW(recorder.record(FlightEntry::Sent, "@?NO"));
        recorder.sync();
    }
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(plain.string()), std::string::npos) << said[0];
    EXPECT_TRUE(recorder.file().empty());
    EXPECT_EQ(fs::file_size(plain), 1u);
}

// The monitor's scans: kept as changes and a count a minute, everything else as it came. (The
// link's exchanges marked as scans: LinkExchange.)
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

TEST(FlightLogReader, BoundsAsTheRecorderWritesItsTimes) {
    const struct {
        const char* typed;
        std::string since, until;
    } cases[] = {
        {"2026-12-08", "2026-12-08T00:00:00.000", "2026-12-08T23:59:59.999"},
        {"2026-12-08T03:04:05", "2026-12-08T03:04:05.000", "2026-12-08T03:04:05.999"},
        {"2026-12-08T03:04:05.120", "2026-12-08T03:04:05.120", "2026-12-08T03:04:05.120"},
        {"2028-02-29T23:59:59", "2028-02-29T23:59:59.000", "2028-02-29T23:59:59.999"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FlightLogBound(c.typed, false), c.since) << c.typed;
        EXPECT_EQ(FlightLogBound(c.typed, true), c.until) << c.typed;
    }
    for (const char* refused :
         {"", "2026-12-8", "2026-02-30", "2026-12-08 03:04:05", "2026-12-08T24:00:00",
          "2026-12-08T03:60:00", "2026-12-08T03:04:60", "2026-12-08T03:04", "2026-12-08T03:04:05.1",
          "2026-12-08T03:04:05.1234", "2026-12-08T03:04:05Z"}) {
        EXPECT_EQ(FlightLogBound(refused, false), std::nullopt) << refused;
        EXPECT_EQ(FlightLogBound(refused, true), std::nullopt) << refused;
    }
}

// Lines of a range, however the bytes come in pieces: a line without a time goes with the one
// before it, a last line without its newline is torn, control bytes are shown as \xNN.
TEST(FlightLogReader, LinesOfARangeWhateverThePieces) {
    using namespace std::string_literals;
    const std::string text =
        "damage before any time\n"
        "2026-12-08T03:04:05.000 > @?NO\n"
        "2026-12-08T03:04:05.010 < 0\n"
        "a line of damage \x01\x00!\n"
        "2026-12-08T03:04:06.000 ~ @?DI 3 = 1\n"
        "2026-12-08T03:04:07.000 > @R"s;
    const struct {
        const char *since, *until;
        std::string lines;
    } cases[] = {
        {"", "",
         "damage before any time|2026-12-08T03:04:05.000 > @?NO|2026-12-08T03:04:05.010 < 0|"
         "a line of damage \\x01\\x00!|2026-12-08T03:04:06.000 ~ @?DI 3 = 1|"
         "2026-12-08T03:04:07.000 > @R [torn]|"},
        {"2026-12-08T03:04:05.010", "2026-12-08T03:04:06.000",
         "2026-12-08T03:04:05.010 < 0|a line of damage \\x01\\x00!|"
         "2026-12-08T03:04:06.000 ~ @?DI 3 = 1|"},
        {"2026-12-08T03:04:06.001", "", "2026-12-08T03:04:07.000 > @R [torn]|"},
        {"", "2026-12-08T03:04:04.999", "damage before any time|"},
        {"2026-12-09T00:00:00.000", "", ""},
    };
    for (const auto& c : cases) {
        for (std::size_t piece : {1u, 3u, 7u, 1000u}) {
            SCOPED_TRACE(std::string(c.since) + " to " + c.until + " in pieces of " +
                         std::to_string(piece));
            std::string got;
            FlightLogLines lines(c.since, c.until, [&got](const std::string& l) {
                got += l + "|";
                return true;
            });
            for (std::size_t at = 0; at < text.size(); at += piece)
                lines.feed(std::string_view(text).substr(at, piece));
            lines.endOfFile();
            EXPECT_EQ(got, c.lines);
        }
    }
}

// A compressed file cut short: what it still holds is read, its last line torn, and it is said.
TEST(FlightLogReader, ACompressedFileCutShortIsReadAsFarAsItGoes) {
    TempDir folder;
    std::string text;
    std::vector<std::string> written;
    for (int i = 0; i < 2000; ++i) {
        written.push_back("2026-12-08T03:04:05.000 < line " + std::to_string(i * 7919 % 10007));
        text += written.back() + "\n";
    }
    const fs::path plain = folder.path() / "mivo-2026-12-08.log";
    Make(plain, text);
    std::uintmax_t size = 0;
    std::string problem;
    ASSERT_TRUE(CompressFlightLog(plain, size, problem)) << problem;
    const fs::path gz = folder.path() / "mivo-2026-12-08.log.gz";
    fs::resize_file(gz, size / 2);
    std::vector<std::string> lines;
    const FlightLogReading r = ReadFlightLog(folder.path(), "", "", [&](const std::string& l) {
        lines.push_back(l);
        return true;
    });
    EXPECT_EQ(r.files, 1);
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0], gz.string() + ": the compressed data is cut short");
    ASSERT_GT(lines.size(), 100u);
    ASSERT_LT(lines.size(), 2000u);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) ASSERT_EQ(lines[i], written[i]);
    const std::string& torn = lines.back();
    ASSERT_GT(torn.size(), kTornMark.size());
    EXPECT_EQ(torn.substr(torn.size() - kTornMark.size()), kTornMark);
    EXPECT_EQ(written[lines.size() - 1].rfind(torn.substr(0, torn.size() - kTornMark.size()), 0),
              0u);
}

}  // namespace mivo::test
