// bench_flight_recorder: days of the direct screen's monitor through the flight recorder, as it
// scans at 19200 baud. Each of a scan's 37 queries (as direct/monitor sends them: the sixteen
// outputs, the sixteen inputs, the four positions, the step) is answered by the simulated
// controller; the query and its answer take their time on the line (11 bits a byte) and, with
// --turn MS, the controller's own time before it answers (none unless given: the most scans a
// line carries). Three days, each in its own
// files: the robot standing all day; a shift (8 hours from 08:00) of a pick-and-place program
// running cycles with a part sensor switching at each, the robot standing the rest; the program
// running all day. For each it prints the lines the recorder kept and what its closed files
// take on disk (compressed), the lines as every line was written before, and how many such days
// fit in the recorder's 50 MB. Asserts nothing. Options: --hours N (of each day, 24),
// --shift N (hours, 8), --turn MS (0).
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "link/flight_log_files.h"
#include "link/flight_recorder.h"
#include "link/framing.h"
#include "sim/sim_controller.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::system_clock;
using Micros = std::chrono::microseconds;

constexpr double kSecondsPerByte = 11.0 / 19200.0;

std::vector<std::string> ScanQueries() {
    std::vector<std::string> q;
    for (const char* bank : {"@?DO ", "@?DI "})
        for (int n = 0; n < 16; ++n) q.push_back(bank + std::to_string(n));
    for (int k = 1; k <= 4; ++k) q.push_back("@?POS " + std::to_string(k));
    q.push_back("@?SNO");
    return q;
}

// Pick, place, a pause for the next part; repeated (END with code 2).
const char* const kProgram[] = {
    "@WRITE STEP 0,POI,050,20.00,30.00,0.00,0.00",
    "@WRITE STEP 1,POI,050,20.00,30.00,40.00,0.00",
    "@WRITE STEP 2,SEQ,405,0",
    "@WRITE STEP 3,POI,050,20.00,30.00,0.00,0.00",
    "@WRITE STEP 4,POI,050,180.00,150.00,0.00,90.00",
    "@WRITE STEP 5,POI,050,180.00,150.00,40.00,90.00",
    "@WRITE STEP 6,SEQ,405,0",
    "@WRITE STEP 7,POI,050,180.00,150.00,0.00,90.00",
    "@WRITE STEP 8,SEQ,420,0",
    "@WRITE STEP 9,END,200,,,,",
};

system_clock::time_point Midnight(int day) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = day;
    t.tm_isdst = -1;
    return system_clock::from_time_t(std::mktime(&t));
}

struct Figures {
    long long scans = 0, cycles = 0, entries = 0;
    double before = 0;  // bytes, every line written as it came
};

// The recorder and its clock, which the bench moves on.
struct Recording {
    std::atomic<system_clock::rep> now{0};
    mivo::FlightRecorder recorder;
    Figures* figures = nullptr;
    explicit Recording(const fs::path& folder)
        : recorder(
              folder, [this] { return system_clock::time_point(system_clock::duration(now)); },
              [](const std::string& m) { std::fprintf(stderr, "%s\n", m.c_str()); },
              {30, 1ull << 40, 5ull << 20}) {}
    void record(system_clock::time_point at, mivo::FlightEntry entry, const std::string& text) {
        now = at.time_since_epoch().count();
        recorder.record(entry, text);
        ++figures->entries;
        figures->before += 23 + 1 + 2 + static_cast<double>(text.size()) + 1;
    }
};

// One hour of scans from `start`, the program running when `working`; `turn`: the controller's
// time before each answer.
void Hour(Recording& r, system_clock::time_point start, bool working, Micros turn) {
    mivo::SimController sim;  // a new one each hour, so that its command log stays small
    Micros t{0};
    const auto at = [&] { return start + std::chrono::duration_cast<system_clock::duration>(t); };
    const auto send = [&](const std::string& command, mivo::FlightEntry entry) {
        sim.clock().advanceTo(t);
        r.record(at(), entry, command);
        t += Micros(static_cast<long long>(
            static_cast<double>(mivo::FrameRequest(command, true).bytes.size()) * kSecondsPerByte *
            1e6));
        t += turn;
        sim.clock().advanceTo(t);
        sim.receive(command);
        while (sim.hasReply()) {
            const std::string line = sim.takeReply();
            t += Micros(static_cast<long long>(static_cast<double>(line.size() + 2) *
                                               kSecondsPerByte * 1e6));
            r.record(at(), mivo::FlightEntry::Received, line);
            if (line == "CEND") {
                ++r.figures->cycles;
                sim.io.setInput(0, !sim.io.inputs[0]);  // the next part at the sensor
            }
        }
    };
    if (working) {
        for (const char* step : kProgram) {
            sim.receive(step);
            sim.clearReplies();
        }
        send("@RUN", mivo::FlightEntry::Sent);
    }
    const std::vector<std::string> queries = ScanQueries();
    for (long long n = 0; t < std::chrono::hours(1); ++n) {
        for (const std::string& q : queries) send(q, mivo::FlightEntry::ScanQuery);
        ++r.figures->scans;
        if (n % 500 == 0) r.recorder.sync();  // the bench waits for the recorder's thread
    }
}

// A day's files: their bytes on disk, and the bytes of their lines (decompressed).
struct Kept {
    double disk = 0, lines = 0;
    bool plain = false;  // a file left uncompressed
};
Kept KeptOfDay(const fs::path& folder, const std::string& day) {
    Kept k;
    std::error_code ec;
    for (const mivo::FlightLogFile& f : mivo::FlightLogFiles(folder, ec)) {
        if (f.day != day) continue;
        k.disk += static_cast<double>(f.size);
        k.plain = k.plain || !f.compressed;
        std::string problem;
        mivo::ReadFlightLogBytes(
            f,
            [&k](std::string_view bytes) {
                k.lines += static_cast<double>(bytes.size());
                return true;
            },
            problem);
    }
    return k;
}

}  // namespace

int main(int argc, char** argv) {
    int hours = 24, shift = 8;
    Micros turn{0};
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--hours") hours = std::max(1, std::min(24, std::atoi(argv[i + 1])));
        if (option == "--shift") shift = std::max(0, std::min(24, std::atoi(argv[i + 1])));
        if (option == "--turn")
            turn = Micros(static_cast<long long>(std::max(0.0, std::atof(argv[i + 1])) * 1000));
    }
    std::string dir = (fs::temp_directory_path() / "bench-recorder-XXXXXX").string();
    if (::mkdtemp(dir.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const struct {
        const char* name;
        int day;
        int from, to;  // the hours the program runs
    } days[] = {
        {"standing all day", 8, 0, 0},
        {"a shift running", 9, 8, 8 + shift},
        {"running all day", 10, 0, 24},
    };
    std::map<int, Figures> figures;
    std::map<int, double> seconds;
    {
        Recording r(dir);
        for (const auto& d : days) {
            r.figures = &figures[d.day];
            const auto begun = std::chrono::steady_clock::now();
            for (int h = 0; h < hours; ++h)
                Hour(r, Midnight(d.day) + std::chrono::hours(h), h >= d.from && h < d.to, turn);
            r.recorder.sync();
            seconds[d.day] =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
        }
        // The last day's file is closed, and compressed, once the next begins.
        r.record(Midnight(11) + std::chrono::seconds(1), mivo::FlightEntry::LineState,
                 "Direct channel off line");
    }
    const double cap = static_cast<double>(mivo::FlightLogLimits{}.totalBytes);
    std::printf(
        "flight recorder: the monitor at 19200 baud, %zu queries a scan, the controller's turn "
        "%.1f ms, %d h a day\n",
        ScanQueries().size(), static_cast<double>(turn.count()) / 1000, hours);
    for (const auto& d : days) {
        const Figures& f = figures[d.day];
        char day[16];
        std::snprintf(day, sizeof day, "2026-12-%02d", d.day);
        const Kept k = KeptOfDay(dir, day);
        const double kept = k.disk * 24 / hours;
        const double before = f.before * 24 / hours;
        std::printf("%s (%s):\n", d.name, day);
        std::printf("  %lld scans (%.2f a second), %lld cycles, %lld entries recorded\n", f.scans,
                    static_cast<double>(f.scans) / (hours * 3600.0), f.cycles, f.entries);
        std::printf("  every line as before: %.1f MB a day, %.1f hours in 50 MB\n", before / 1e6,
                    cap / before * 24);
        std::printf("  lines kept:           %.1f MB a day\n", k.lines * 24 / hours / 1e6);
        std::printf("  kept, compressed:     %.3f MB a day%s, %.1f days in 50 MB\n", kept / 1e6,
                    k.plain ? " (a file not compressed!)" : "", cap / kept);
        std::printf("  the day played in %.1f s here\n", seconds[d.day]);
    }
    std::printf("(50 MB: the recorder's cap, %.0f bytes; it keeps 30 days at most)\n", cap);
    fs::remove_all(dir);
    return 0;
}
