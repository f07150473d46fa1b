// `mivo log` as a user runs it: the editor's flight recorder files, plain and compressed, read
// back for a time range.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli_rig.h"
#include "link/flight_log_rig.h"
#include "link/flight_recorder.h"
#include "support/temp_dir.h"

namespace mivo::test {

TEST(MivoLog, PrintsARangeAcrossPlainAndCompressedFiles) {
    TempDir state, empty;
    const std::filesystem::path folder = FlightLogFolder(state.path().c_str(), nullptr);
    {
        // Three lines a part: 2026-12-08 in three compressed parts once 2026-12-09 begins.
        TestClock now(Local(8, 3, 4, 5));
        FlightRecorder recorder(folder, now.clock(), {}, {30, 50 << 20, 100});
        for (int i = 0; i < 7; ++i) {
            now.set(Local(8, 3, 4, 5 + i));
            recorder.record(FlightEntry::Sent, "@GO " + std::to_string(i));
        }
        now.set(Local(9, 0, 0, 1));
        recorder.record(FlightEntry::Received, "OK");
    }
    // Cut short while it was written.
    std::ofstream(folder / "mivo-2026-12-09.log", std::ios::app) << "2026-12-09T00:00:03.000 > @R";
    ASSERT_EQ(Names(folder),
              "mivo-2026-12-08.1.log.gz mivo-2026-12-08.2.log.gz mivo-2026-12-08.log.gz "
              "mivo-2026-12-09.log ");

    const std::string day8 =
        "2026-12-08T03:04:05.000 > @GO 0\n2026-12-08T03:04:06.000 > @GO 1\n"
        "2026-12-08T03:04:07.000 > @GO 2\n2026-12-08T03:04:08.000 > @GO 3\n"
        "2026-12-08T03:04:09.000 > @GO 4\n2026-12-08T03:04:10.000 > @GO 5\n"
        "2026-12-08T03:04:11.000 > @GO 6\n";
    const std::string day9 = "2026-12-09T00:00:01.000 < OK\n2026-12-09T00:00:03.000 > @R [torn]\n";
    // clang-format off
    const struct {
        QStringList args;
        bool noFiles;
        int exit;
        std::string out, err;
    } cases[] = {
        {{"log"}, false, 0, day8 + day9, ""},
        {{"log", "--since", "2026-12-08T03:04:07", "--until", "2026-12-08T03:04:09.000"}, false, 0,
         "2026-12-08T03:04:07.000 > @GO 2\n2026-12-08T03:04:08.000 > @GO 3\n"
         "2026-12-08T03:04:09.000 > @GO 4\n", ""},
        {{"log", "--since=2026-12-08T03:04:10.500", "--until=2026-12-09"}, false, 0,
         "2026-12-08T03:04:11.000 > @GO 6\n" + day9, ""},
        {{"log", "--since", "2026-12-09"}, false, 0, day9, ""},
        {{"log", "--until", "2026-12-07"}, false, 0, "", ""},
        {{"log", "--since", "yesterday"}, false, 2, "", "mivo: --since 'yesterday' is no time like "
         "2026-12-08T03:04:05 (.mmm may follow) or day like 2026-12-08\n"},
        {{"log", "--since", "2026-12-09", "--until", "2026-12-08"}, false, 2, "",
         "mivo: --until 2026-12-08 is before --since 2026-12-09\n"},
        {{"log"}, true, 1, "",
         "mivo: no flight recorder files in " + (empty.path() / "mivo/log").string() + "\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        // The recorder's folder under $XDG_STATE_HOME, which `mivo` inherits.
        const TempDir& home = c.noFiles ? empty : state;
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(home.path().string()));
        const MivoRun run = RunMivo(c.args);
        qunsetenv("XDG_STATE_HOME");
        EXPECT_EQ(run.exitCode, c.exit);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
}

}  // namespace mivo::test
