// The idle monitor's rule, byte by byte: when does a line that repeats itself count as broken.
#include "link/idle_monitor.h"

#include <gtest/gtest.h>

#include <string>

namespace mivo {
namespace {

using namespace std::string_literals;

TEST(IdleMonitor, ABrokenLineIsMoreThanFiveBytesEndingInFiveEqual) {
    struct Row {
        const char* what;
        std::string beforeReset;  // fed, then the monitor is reset
        std::string bytes;
        int brokenAt;  // index in `bytes` of the first byte that breaks the line; -1: never
    };
    const Row rows[] = {
        {"five equal after another byte", "", "BAAAAA", 5},
        {"five equal alone are not more than five", "", "AAAAA", -1},
        {"six equal from the first byte", "", "AAAAAA", 5},
        {"four equal", "", "BAAAAC", -1},
        {"a different byte ends the run", "", "BAAAABAAAA", -1},
        {"alternating bytes", "", "ABABABABAB", -1},
        {"NULs between equal bytes neither count nor end the run", "", "BAA\0AA\0A"s, 7},
        {"NULs do not make more than five", "", "\0\0\0AAAAA"s, -1},
        {"high bytes as the line sends them", "", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 5},
        {"a reset starts the count afresh", "XYZ", "AAAAA", -1},
        {"equal bytes after a reset start a new run", "AAA", "AAAAA", -1},
        {"and break the line once it is long enough", "AAAA", "AAAAAA", 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        IdleMonitor monitor;
        for (const char c : row.beforeReset) monitor.feed(c);
        monitor.reset();
        int brokenAt = -1;
        for (std::size_t i = 0; i < row.bytes.size() && brokenAt < 0; ++i)
            if (monitor.feed(row.bytes[i])) brokenAt = static_cast<int>(i);
        EXPECT_EQ(brokenAt, row.brokenAt);
    }
}

}  // namespace
}  // namespace mivo
