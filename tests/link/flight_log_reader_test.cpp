#include "link/flight_log_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "flight_log_rig.h"
#include "link/flight_log_files.h"
#include "support/temp_dir.h"

namespace mivo::test {

namespace fs = std::filesystem;

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
