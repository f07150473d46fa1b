// The line rules without a port: which line each wait gets from bytes in pieces, and when its LF
// came (the CR before the LF goes, NULs go, a line is cut at 999 bytes, bytes that cannot begin a
// line are dropped before it and reported); when a line that repeats itself counts as broken.
#include "link/wait_stack.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "link/idle_monitor.h"

namespace mivo {
namespace {

using namespace std::string_literals;
using Clock = WaitStack::Clock;

TEST(WaitStack, EachWaitGetsOneLineTimedByTheArrivalOfItsLineEnd) {
    struct Chunk {
        std::string bytes;
        int at;  // ms after the start
    };
    struct Line {
        std::string text;
        int lfAt;
    };
    struct Row {
        const char* what;
        std::vector<Chunk> chunks;
        std::vector<Line> lines;
        std::string dropped = {};  // before a line began
    };
    std::string digits;
    for (int i = 0; i < 1500; ++i) digits.push_back(static_cast<char>('0' + i % 10));
    const std::string exact = digits.substr(0, 999);
    // clang-format off
    const Row rows[] = {
        {"one chunk, two lines", {{"0\r\nOK\r\n", 1}}, {{"0", 1}, {"OK", 1}}},
        {"LF in the second chunk", {{"V1.2", 1}, {"0\r", 2}, {"\nOK", 3}, {"\r\n", 4}}, {{"V1.20", 3}, {"OK", 4}}},
        {"empty lines", {{"\n", 1}, {"\r\n", 2}, {"END\r\n", 3}}, {{"", 1}, {"", 2}, {"END", 3}}},
        {"NUL dropped", {{"A\0B\r\n"s, 1}}, {{"AB", 1}}},
        {"only the CR before the LF goes", {{"A\rB\r\n", 1}}, {{"A\rB", 1}}},
        {"cut to 999, next line whole", {{digits + "\r\nOK\r\n", 1}}, {{exact, 1}, {"OK", 1}}},
        {"999 bytes whole", {{exact + "\r\n", 1}}, {{exact, 1}}},
        {"an idle burst before a reply", {{"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFFOK\r\n", 1}}, {{"OK", 1}}, "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"},
        {"control bytes before a line", {{"\0\x1B\x7F" "12\r\n"s, 1}}, {{"12", 1}}, "\0\x1B\x7F"s},
        {"inside a line they are the line's", {{"A\xFF\x1B" "B\r\n", 1}}, {{"A\xFF\x1B" "B", 1}}},
        {"a double-byte text may begin a line", {{"\x83\x81OK\r\n", 1}}, {{"\x83\x81OK", 1}}},
    };
    // clang-format on
    const Clock::time_point start = Clock::now();
    const auto ms = [&](int n) { return start + std::chrono::milliseconds(n); };
    const auto msOf = [&](Clock::time_point t) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(t - start).count();
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        IdleMonitor monitor;
        WaitStack waits(monitor);
        QObject guard;  // a wait left without a line fails the row instead of hanging
        QTimer::singleShot(2000, &guard, [&] {
            ADD_FAILURE() << "a wait got no line";
            waits.endAll();
        });
        // Received before the waits: each wait takes its line at once, without an event loop.
        for (const Chunk& c : row.chunks) waits.receive(c.bytes, ms(c.at));
        for (const Line& want : row.lines) {
            EXPECT_EQ(waits.wait(LinkSide::Main).line, want.text);
            EXPECT_EQ(msOf(waits.lastLineEnd()), want.lfAt) << want.text;
        }
        EXPECT_TRUE(waits.empty());
        EXPECT_EQ(waits.takeUnclaimed(), "");
        EXPECT_EQ(waits.takeDropped(), row.dropped);
    }
}

// A command run inside a wait (RUN while the monitor waits for a reply) may take longer than the
// wait's limit, its questions answered at the user's pace: the wait beneath is not timed out
// meanwhile, and takes the line that comes once the command is over.
TEST(WaitStack, AWaitBeneathACommandIsNotTimedOutByIt) {
    for (const bool question : {false, true}) {
        SCOPED_TRACE(question ? "a question's event loop" : "a wait of its own");
        IdleMonitor monitor;
        WaitStack waits(monitor);
        std::string inner;
        QTimer::singleShot(0, [&] {
            if (question) {
                QEventLoop box;
                QTimer::singleShot(300, &box, &QEventLoop::quit);
                box.exec();
            } else {
                QTimer::singleShot(300, [&] { waits.receive("IN\r\n", Clock::now()); });
                inner = waits.wait(LinkSide::Main).line;
            }
            waits.receive("OUT\r\n", Clock::now());
        });
        const WaitResult outer = waits.wait(LinkSide::Main, 200);
        EXPECT_EQ(inner, question ? "" : "IN");
        EXPECT_FALSE(outer.timedOut);
        EXPECT_EQ(outer.line, "OUT");
    }
}

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
        {"a different byte ends the run", "", "BAAAABAAAA", -1},
        {"NULs between equal bytes neither count nor end the run", "", "BAA\0AA\0A"s, 7},
        {"high bytes as the line sends them", "", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 5},
        {"equal bytes after a reset start a new run", "AAA", "AAAAA", -1},
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
