#include "link/flight_recorder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <ctime>
#include <fstream>
#include <set>
#include <sstream>

namespace mivo {

namespace fs = std::filesystem;
using std::chrono::system_clock;

namespace {

// A local time, whatever the zone.
system_clock::time_point Local(int day, int hour, int minute, int second) {
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

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Make(const fs::path& path, std::size_t bytes) {
    std::ofstream(path) << std::string(bytes, 'x');
}

std::string Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    std::string all;
    for (const auto& n : names) all += n + " ";
    return all;
}

}  // namespace

TEST(FlightRecorder, FolderFromTheEnvironment) {
    const struct {
        const char* xdg;
        const char* home;
        const char* folder;
    } cases[] = {
        {"/s", "/h", "/s/mivo/log"},
        {nullptr, "/h", "/h/.local/state/mivo/log"},
        {"", "/h", "/h/.local/state/mivo/log"},
        {"relative", "/h", "/h/.local/state/mivo/log"},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FlightLogFolder(c.xdg, c.home), c.folder) << c.folder;
}

// A file a day, its lines stamped to the millisecond; the old days and, past the total, the
// oldest files go, other files stay.
TEST(FlightRecorder, DailyFilesPrunedByAgeAndSize) {
    QTemporaryDir tmp;
    const fs::path folder = fs::path(tmp.path().toStdString()) / "state" / "mivo" / "log";
    fs::create_directories(folder);
    for (const char* name : {"mivo-2026-11-08.log", "mivo-2026-11-09.log", "notes.txt"})
        Make(folder / name, 10);
    system_clock::time_point now = Local(8, 3, 4, 5) + std::chrono::microseconds(123999);
    FlightRecorder recorder(folder, [&] { return now; });
    recorder.record(FlightEntry::Sent, "@?NO");
    recorder.record(FlightEntry::Received, "0\x1B[2J");
    recorder.record(FlightEntry::LineState, "On line");
    recorder.record(FlightEntry::Failure, "No reply");
    recorder.sync();
    EXPECT_EQ(Contents(folder / "mivo-2026-12-08.log"),
              "2026-12-08T03:04:05.123 > @?NO\n2026-12-08T03:04:05.123 < 0\\x1B[2J\n"
              "2026-12-08T03:04:05.123 = On line\n2026-12-08T03:04:05.123 ! No reply\n");
    EXPECT_EQ(Names(folder), "mivo-2026-11-09.log mivo-2026-12-08.log notes.txt ");
    now = Local(9, 0, 0, 0);
    recorder.record(FlightEntry::Sent, "@RUN");
    recorder.sync();
    EXPECT_EQ(Contents(folder / "mivo-2026-12-09.log"), "2026-12-09T00:00:00.000 > @RUN\n");
    EXPECT_EQ(Names(folder), "mivo-2026-12-08.log mivo-2026-12-09.log notes.txt ");

    // 31 bytes a line; a part holds one, 100 bytes in all.
    const fs::path small = folder / "small";
    fs::create_directories(small);
    Make(small / "mivo-2026-12-01.log", 40);
    Make(small / "mivo-2026-12-02.log", 40);
    now = Local(8, 3, 4, 5);
    FlightRecorder bounded(small, [&] { return now; }, {}, {30, 100, 60});
    const char* after[] = {
        "mivo-2026-12-02.log mivo-2026-12-08.log ",
        "mivo-2026-12-08.1.log mivo-2026-12-08.log ",
        "mivo-2026-12-08.1.log mivo-2026-12-08.2.log mivo-2026-12-08.log ",
        "mivo-2026-12-08.1.log mivo-2026-12-08.2.log mivo-2026-12-08.3.log ",
    };
    for (const char* names : after) {
        bounded.record(FlightEntry::Sent, "@?NO");
        bounded.sync();
        EXPECT_EQ(Names(small), names);
    }
    EXPECT_EQ(Contents(small / "mivo-2026-12-08.3.log"), "2026-12-08T03:04:05.000 > @?NO\n");
}

// A folder that cannot be made: said once, the lines dropped, nothing thrown.
TEST(FlightRecorder, WriteFailureSaidOnce) {
    QTemporaryDir tmp;
    const fs::path plain = fs::path(tmp.path().toStdString()) / "plain";
    Make(plain, 1);
    system_clock::time_point now = Local(8, 3, 4, 5);
    std::vector<std::string> said;
    FlightRecorder recorder(
        plain / "log", [&] { return now; }, [&](const std::string& m) { said.push_back(m); });
    for (int day : {8, 8, 9}) {
        now = Local(day, 1, 0, 0);
        EXPECT_NO_THROW(recorder.record(FlightEntry::Sent, "@?NO"));
    }
    recorder.sync();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(plain.string()), std::string::npos) << said[0];
    EXPECT_TRUE(recorder.file().empty());
    EXPECT_EQ(fs::file_size(plain), 1u);
}

}  // namespace mivo
