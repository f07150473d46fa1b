// Every direct command of the engine's table, alone and under a running monitor scan, with
// "@STOP" or "@MSTOP" put on the line at every line boundary of the exchange, against the simulated
// controller on its own clock. Whatever the schedule: one stop command, its answer taken as its,
// no value from a line that does not fit, no answer owed past its deadline, nothing left open.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "link/exchange_engine.h"
#include "link/reply_class.h"
#include "sim/sim_controller.h"
#include "sim/sim_line.h"

namespace mivo {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using End = ExchangeEngine::End;

// The engine on the simulated controller's in-process line, with what it was given checked.
struct Line {
    SimController sim;
    SimLine line{sim};
    ExchangeEngine& engine = line.engine();
    std::vector<std::string> problems;

    Line() {
        sim.motion.originState = 1;
        auto& pgm = sim.steps.programs[0];
        pgm[0] = "POI 000,20,0,0,0";
        pgm[1] = "POI 000,0,20,0,0";
        pgm[2] = "CIR 000,10,20,5";
        pgm[3] = "CIR 000,30,40,50,60";
        pgm[4] = "END 000";
        engine.noise = [this](const std::string& l) { problems.push_back("noise " + l); };
    }
    int delivered() const { return line.delivered(); }
    bool step() { return line.step(); }
    std::chrono::microseconds clock() { return sim.clock().now(); }

    // Sends `command`; `ended` counts its end, and what it was given is checked.
    void send(const std::string& command, bool stop, int* ended, End* end = nullptr,
              std::function<void()> then = {}) {
        ExchangeEngine::Request r;
        r.command = command;
        r.done = [this, command, ended, end, then](const ExchangeEngine::Reply& reply) {
            ++*ended;
            if (end) *end = reply.end;
            check(command, reply);
            if (then) then();
        };
        stop ? engine.submitStop(std::move(r), line.now())
             : engine.submit(std::move(r), line.now());
    }

    // A value is taken only with its "OK"; no answer is unfit or late.
    void check(const std::string& command, const ExchangeEngine::Reply& reply) {
        if (reply.end == End::Unfit || reply.end == End::TimedOut || reply.end == End::Lost)
            problems.push_back(command + " ended " + std::to_string(int(reply.end)));
        const ReplyShape shape = ShapeOf(command);
        if (reply.end != End::Answered ||
            (shape != ReplyShape::Value && shape != ReplyShape::Record))
            return;
        const Lines& l = reply.lines;
        if (l.size() < 2 || l.back() != "OK" || ReplyClass(l[l.size() - 2]) != ReplyCode::Data)
            problems.push_back(command + " took a value without its OK");
        if (command.rfind("@?D", 0) == 0 && l[0] != "0" && l[0] != "1")
            problems.push_back(command + " took '" + l[0] + "' as a bit");
    }
};

// The monitor's queries, one after another while `on`.
struct Monitor {
    Line& line;
    bool on = true;
    int queries = 0;
    int ended = 0;
    void next() {
        if (!on) return;
        static const Lines items = [] {
            Lines out;
            for (int n = 0; n < 16; ++n) out.push_back("@?DO " + std::to_string(n));
            for (int n = 0; n < 16; ++n) out.push_back("@?DI " + std::to_string(n));
            for (int n = 1; n <= 4; ++n) out.push_back("@?POS " + std::to_string(n));
            out.push_back("@?SNO");
            return out;
        }();
        line.send(items[static_cast<std::size_t>(queries++) % items.size()], false, &ended, nullptr,
                  [this] { next(); });
    }
};

// The line boundaries to put a stop at: every one of the command's exchange alone; under the
// monitor, every one of a whole scan and those around each of the command's own lines.
std::vector<int> Boundaries(const CommandShape& dc, bool monitored) {
    Line l;
    Monitor monitor{l};
    if (monitored) {
        monitor.next();
        for (int i = 0; i < 3; ++i) l.step();
    }
    std::vector<int> own;
    int ended = 0;
    ExchangeEngine::Request r;
    r.command = dc.command;
    const int from = l.delivered();
    r.line = [&](const std::string&) { own.push_back(l.delivered() - from); };
    r.done = [&](const ExchangeEngine::Reply&) { ++ended; };
    const bool stop = dc.shape == ReplyShape::Stop || dc.shape == ReplyShape::MotorStop;
    stop ? l.engine.submitStop(std::move(r), l.line.now())
         : l.engine.submit(std::move(r), l.line.now());
    while (!ended && l.step() && l.clock() < 600s) {
    }
    const int last = own.empty() ? 0 : own.back();
    std::vector<int> out;
    for (int k = 0; k <= (monitored ? std::max(last, 80) : last); ++k) {
        const bool near =
            std::any_of(own.begin(), own.end(), [k](int o) { return std::abs(k - o) <= 3; });
        if (!monitored || k <= 80 || near) out.push_back(k);
    }
    return out;
}

TEST(ExchangeSchedules, AStopAtEveryLineBoundaryOfEveryCommand) {
    int schedules = 0;
    for (const CommandShape& dc : DirectCommands()) {
        for (const bool monitored : {false, true}) {
            const std::vector<int> boundaries = Boundaries(dc, monitored);
            for (const std::string stop : {"@STOP", "@MSTOP"}) {
                for (const int k : boundaries) {
                    SCOPED_TRACE(dc.command + (monitored ? " under the monitor" : " alone") + ", " +
                                 stop + " after line " + std::to_string(k));
                    Line l;
                    Monitor monitor{l};
                    if (monitored) {
                        monitor.next();
                        for (int i = 0; i < 3; ++i) l.step();
                    }
                    int commandEnded = 0, stopEnded = 0;
                    End stopEnd{};
                    l.send(dc.command,
                           dc.shape == ReplyShape::Stop || dc.shape == ReplyShape::MotorStop,
                           &commandEnded);
                    const int from = l.delivered();
                    while (l.delivered() < from + k && l.step()) {
                    }
                    l.send(stop, true, &stopEnded, &stopEnd, [&monitor] { monitor.on = false; });
                    while (l.step() && l.clock() < 600s) {
                    }
                    ++schedules;
                    const auto stops =
                        std::count(l.line.written().begin(), l.line.written().end(), stop);
                    EXPECT_EQ(stops, dc.command == stop ? 2 : 1);
                    EXPECT_EQ(stopEnded, 1);
                    EXPECT_EQ(stopEnd, End::Answered);
                    EXPECT_EQ(commandEnded, 1);
                    EXPECT_EQ(l.problems, Lines{});
                    EXPECT_TRUE(l.engine.idle());
                    if (HasFailure()) return;
                }
            }
        }
    }
    std::printf("explored %d schedules of %zu commands\n", schedules, DirectCommands().size());
    EXPECT_GT(schedules, static_cast<int>(DirectCommands().size()) * 4);
}

}  // namespace
}  // namespace mivo
