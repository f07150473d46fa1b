#include "history/history_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace mivo {
namespace {

// The CSV a spreadsheet reads: every column in its place, text with a comma or quote quoted,
// an unknown value empty.
TEST(HistoryText, CsvLinesKeepTheirColumns) {
    RunRecord known{7,  1765314245123, 1765314257473, 2, RunResult::End, "", 12350, {}, "a1b2",
                    22, "V1.20,B",     "mivo"};
    RunRecord unknown{
        8,  1765314245000, 1765314246000, -1, RunResult::Error, "12 \"soft\" limit", {}, {}, "", -1,
        "", "mivo-editor"};
    EXPECT_EQ(HistoryCsvLine(known),
              "7,2025-12-09T21:04:05.123Z,2025-12-09T21:04:17.473Z,2,END,,12.350,a1b2,22,"
              "\"V1.20,B\",mivo\n");
    EXPECT_EQ(HistoryCsvLine(unknown),
              "8,2025-12-09T21:04:05.000Z,2025-12-09T21:04:06.000Z,,ERR,\"12 \"\"soft\"\" "
              "limit\",,,,,mivo-editor\n");
}

TEST(HistoryText, DatesAsTheUserWritesThem) {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    struct Case {
        const char* text;
        bool endOfDay;
        std::optional<std::int64_t> ms;
    };
    const std::int64_t dayStart = 1765234800000;  // 2025-12-09 00:00 in Berlin (UTC+1)
    const Case cases[] = {
        {"2025-12-09", false, dayStart},
        {"2025-12-09", true, dayStart + 86400000},
        {"2025-12-09T08:30", true, dayStart + 8.5 * 3600000},
        {"2025-12-09 08:30:15", false, dayStart + 8.5 * 3600000 + 15000},
        {"2024-02-29", false, 1709161200000},
        {"2025-02-29", false, std::nullopt},
        {"2025-04-31", true, std::nullopt},
        {"2025-13-01", false, std::nullopt},
        {"2025-12-09T24:00", false, std::nullopt},
        {"2025-12-9", false, std::nullopt},
        {"yesterday", false, std::nullopt},
        {"2025-12-09T08", false, std::nullopt},
        {"2025-12-09T08:30:1x", false, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseLocalDate(c.text, c.endOfDay), c.ms) << c.text;
    unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace mivo
