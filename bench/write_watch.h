#pragma once
// The system's write(2) and read(2), watched. The benchmark's executable defines them itself, so
// the calls of every library in it (the serial port's included) come here first, and go on to
// the system calls. Each write of a command line (its bytes begin with "@") is timed: when the
// program handed it over, how long the system took to take it, and how long the program took
// since the last line it read. That tells the program's own delay from the machine's: on a
// pseudo-terminal between two processors of a virtual machine a write may take milliseconds,
// and a line milliseconds to reach its reader, though the program did its part at once.
// Include in one source file of a benchmark only; its figures are read on the main thread.
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace mivo::bench {

struct WriteWatch {
    using Clock = std::chrono::steady_clock;
    static inline Clock::time_point stopCalled{};  // the last "@STOP" handed to the system
    static inline long commands = 0;               // command lines written
    static inline double systemMs = 0;             // the system's time taking them
    static inline long slow = 0;                   // of them, those that took over 1 ms
    // The program's turn: from the end of a line read to the next command line handed over.
    static inline Clock::time_point lineRead{}, commandWritten{};
    static inline double turnMs = 0;
    static inline long turns = 0;

    // "the system's writes `what`: ..." of the figures given (differences of the above).
    static void print(const char* what, long lines, double ms, long over) {
        std::printf(
            "  the system's writes %s: %ld command lines, %.3f ms each on average, %ld over"
            " 1 ms\n",
            what, lines, lines ? ms / static_cast<double>(lines) : 0.0, over);
    }
};

}  // namespace mivo::bench

extern "C" ssize_t write(int fd, const void* bytes, size_t n) {
    using mivo::bench::WriteWatch;
    const auto* text = static_cast<const char*>(bytes);
    if (n == 0 || text[0] != '@') return syscall(SYS_write, fd, bytes, n);
    const auto called = WriteWatch::Clock::now();
    if (WriteWatch::lineRead > WriteWatch::commandWritten) {
        WriteWatch::turnMs +=
            std::chrono::duration<double, std::milli>(called - WriteWatch::lineRead).count();
        ++WriteWatch::turns;
    }
    WriteWatch::commandWritten = called;
    if (n >= 5 && std::memcmp(text, "@STOP", 5) == 0) WriteWatch::stopCalled = called;
    const auto r = static_cast<ssize_t>(syscall(SYS_write, fd, bytes, n));
    const double ms =
        std::chrono::duration<double, std::milli>(WriteWatch::Clock::now() - called).count();
    ++WriteWatch::commands;
    WriteWatch::systemMs += ms;
    if (ms > 1) ++WriteWatch::slow;
    return r;
}

extern "C" ssize_t read(int fd, void* bytes, size_t n) {
    const auto r = static_cast<ssize_t>(syscall(SYS_read, fd, bytes, n));
    if (r > 0 && static_cast<const char*>(bytes)[r - 1] == '\n')
        mivo::bench::WriteWatch::lineRead = mivo::bench::WriteWatch::Clock::now();
    return r;
}
