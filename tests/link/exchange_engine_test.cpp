// The exchange engine against lines in the orders a controller can send them: each reply goes to
// the request that owes it, a stop's answer to the stop, noise fails what owed an answer.
#include "link/exchange_engine.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace mivo {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using End = ExchangeEngine::End;

// How a request ended, by the order of End's values.
const char* Name(End e) {
    const char* const names[] = {"Answered", "Failed", "Stopped", "Unfit", "TimedOut", "Lost"};
    return names[static_cast<int>(e)];
}

// An engine whose line is a script: what it writes is kept, what the controller sends is fed.
struct ScriptedLine {
    ExchangeEngine::Time now{};
    Lines written;
    bool writable = true;
    Lines noise;
    std::string dropped;
    // How each request ended, by command, with the lines it was given: "Answered 0 OK".
    std::map<std::string, std::string> ends;
    ExchangeEngine engine{[this](std::string_view b, const void*, bool) {
                              if (!writable) return false;
                              written.emplace_back(b.substr(0, b.size() - 2));
                              return true;
                          },
                          10s, 50ms};
    ScriptedLine() {
        engine.noise = [this](const std::string& l) { noise.push_back(l); };
        engine.dropped = [this](std::string_view b) { dropped += b; };
    }
    ExchangeEngine::Id send(const std::string& command, bool stop = false) {
        ExchangeEngine::Request r;
        r.command = command;
        r.done = [this, command](const ExchangeEngine::Reply& reply) {
            std::string text = Name(reply.end);
            for (const auto& l : reply.lines) text += " " + l;
            ends[command] = text;
        };
        return stop ? engine.submitStop(std::move(r), now) : engine.submit(std::move(r), now);
    }
    void lines(const Lines& ls) {
        for (const auto& l : ls) engine.receive(l + "\r\n", now);
    }
    void pass(std::chrono::milliseconds d) {
        now += d;
        engine.expire(now);
    }
    ExchangeEngine::Time drainedAt{};
    void drain() {
        drainedAt = now;
        engine.drain(now);
    }
};

struct Case {
    const char* name;
    std::function<void(ScriptedLine&)> run;
    std::map<std::string, std::string> ends;
    Lines written;
    Lines noise = {};
};

TEST(ExchangeEngine, EachReplyGoesToTheRequestThatOwesIt) {
    // clang-format off
    const std::vector<Case> cases = {
        {"a value and its OK", [](ScriptedLine& l) { l.send("@?ORG"); l.lines({"1", "OK"}); }, {{"@?ORG", "Answered 1 OK"}}, {"@?ORG"}},
        {"noise shaped like a value before it: the trailing line is no OK", [](ScriptedLine& l) { l.send("@?NO"); l.lines({"1", "1", "OK"}); }, {{"@?NO", "Unfit 1 1"}}, {"@?NO"}},
        {"requests go out one at a time, in order", [](ScriptedLine& l) { l.send("@?DO 0"); l.send("@?DO 1"); l.lines({"0", "OK"}); l.lines({"1", "OK"}); }, {{"@?DO 0", "Answered 0 OK"}, {"@?DO 1", "Answered 1 OK"}}, {"@?DO 0", "@?DO 1"}},
        {"a refusal and its line", [](ScriptedLine& l) { l.send("@DO 3,1"); l.lines({"NG", "10:Command error"}); }, {{"@DO 3,1", "Failed NG 10:Command error"}}, {"@DO 3,1"}},
        {"a position read again after its ERR 32 while a run is under way", [](ScriptedLine& l) { l.send("@RUN"); l.lines({"OK", "OK"}); l.send("@?POS 1"); l.lines({"ERR", "32:Position read error", "12.50", "OK"}); }, {{"@?POS 1", "Answered ERR 32:Position read error 12.50 OK"}}, {"@RUN", "@?POS 1"}},
        {"a run's lines between the monitor's queries, its END when it comes", [](ScriptedLine& l) { l.send("@RUN"); l.send("@?SNO"); l.lines({"OK", "OK", "3", "OK", "END"}); }, {{"@RUN", "Answered OK OK END"}, {"@?SNO", "Answered 3 OK"}}, {"@RUN", "@?SNO"}},
        {"a run stopped by a soft limit before a query's value: the run's, then the value", [](ScriptedLine& l) { l.send("@RUN"); l.lines({"OK", "OK"}); l.send("@?POS 2"); l.lines({"ERR", "52:Soft limit", "END", "7.00", "OK"}); }, {{"@RUN", "Failed OK OK ERR 52:Soft limit END"}, {"@?POS 2", "Answered 7.00 OK"}}, {"@RUN", "@?POS 2"}},
        {"STOP during a run: its answer ends the run, a further END is no noise", [](ScriptedLine& l) { l.send("@RUN"); l.lines({"OK", "OK"}); l.send("@STOP", true); l.lines({"STOP", "41:Stopped", "END"}); }, {{"@RUN", "Stopped OK OK"}, {"@STOP", "Answered STOP 41:Stopped"}}, {"@RUN", "@STOP"}},
        {"STOP written between a value and its OK: the OK is the query's, then the stop's answer", [](ScriptedLine& l) { l.send("@RUN"); l.lines({"OK", "OK"}); l.send("@?DO 0"); l.lines({"0"}); l.send("@STOP", true); l.lines({"OK", "STOP", "41:Stopped"}); }, {{"@RUN", "Stopped OK OK"}, {"@?DO 0", "Answered 0 OK"}, {"@STOP", "Answered STOP 41:Stopped"}}, {"@RUN", "@?DO 0", "@STOP"}},
        {"a run stopped from elsewhere as STOP went out: the stop's OK is no noise", [](ScriptedLine& l) { l.send("@RUN"); l.lines({"OK", "OK"}); l.send("@STOP", true); l.lines({"STOP", "41:Stopped", "OK"}); }, {{"@RUN", "Stopped OK OK"}, {"@STOP", "Answered STOP 41:Stopped"}}, {"@RUN", "@STOP"}},
        {"a move's OK as STOP went out is the move's; the stop's OK follows", [](ScriptedLine& l) { l.send("@GO 1"); l.send("@STOP", true); l.lines({"OK", "OK"}); }, {{"@GO 1", "Answered OK"}, {"@STOP", "Answered OK"}}, {"@GO 1", "@STOP"}},
        {"a held jog has no end but a stop's answer, even OK", [](ScriptedLine& l) { l.send("@X2+"); l.send("@STOP", true); l.lines({"OK"}); }, {{"@X2+", "Stopped"}, {"@STOP", "Answered OK"}}, {"@X2+", "@STOP"}},
        {"a move refused at once", [](ScriptedLine& l) { l.send("@ORG"); l.send("@?DO 0"); l.lines({"NG", "15:In operation", "1", "OK"}); }, {{"@ORG", "Failed NG 15:In operation"}, {"@?DO 0", "Answered 1 OK"}}, {"@ORG", "@?DO 0"}},
        {"MSTOP ends what moves", [](ScriptedLine& l) { l.send("@ZI"); l.send("@MSTOP", true); l.lines({"MSTOP", "64:Motor free"}); }, {{"@ZI", "Stopped"}, {"@MSTOP", "Answered MSTOP 64:Motor free"}}, {"@ZI", "@MSTOP"}},
        {"STOP answered CEND and three lines", [](ScriptedLine& l) { l.send("@STOP", true); l.lines({"CEND", "4", "OK", "12"}); }, {{"@STOP", "Answered CEND 4 OK 12"}}, {"@STOP"}},
        {"noise where nothing is owed is reported and dropped; the next request is whole", [](ScriptedLine& l) { l.lines({"garbage"}); l.send("@?NO"); l.pass(60ms); l.lines({"2", "OK"}); }, {{"@?NO", "Answered 2 OK"}}, {"@?NO"}, {"garbage"}},
        {"noise before a value: that request fails, the next waits until the line is quiet", [](ScriptedLine& l) { l.send("@?DI 0"); l.send("@?DI 1"); l.lines({"OK", "1", "OK"}); l.pass(60ms); l.lines({"0", "OK"}); }, {{"@?DI 0", "Unfit OK"}, {"@?DI 1", "Answered 0 OK"}}, {"@?DI 0", "@?DI 1"}, {"OK"}},
        {"a stop is not failed by noise", [](ScriptedLine& l) { l.send("@STOP", true); l.lines({"12.00", "STOP", "41:Stopped"}); }, {{"@STOP", "Answered STOP 41:Stopped"}}, {"@STOP"}, {"12.00"}},
        {"an answer owed past the reply limit; a late line is then noise", [](ScriptedLine& l) { l.send("@?C 0"); l.pass(10s); l.lines({"5", "OK"}); }, {{"@?C 0", "TimedOut"}}, {"@?C 0"}, {"5"}},
        {"a move waits as long as it takes", [](ScriptedLine& l) { l.send("@ORG"); l.pass(60s); l.lines({"OK"}); }, {{"@ORG", "Answered OK"}}, {"@ORG"}},
        {"the line lost ends everything, queued or owed", [](ScriptedLine& l) { l.send("@RUN"); l.send("@?NO"); l.engine.lost(); }, {{"@RUN", "Lost"}, {"@?NO", "Lost"}}, {"@RUN"}},
        {"a command that cannot be written", [](ScriptedLine& l) { l.writable = false; l.send("@?NO"); }, {{"@?NO", "Lost"}}, {}},
        {"a request's callback may send the next request", [](ScriptedLine& l) { ExchangeEngine::Request r; r.command = "@?NO"; r.done = [&l](const ExchangeEngine::Reply&) { l.send("@?SNO"); }; l.engine.submit(std::move(r), l.now); l.lines({"2", "OK", "5", "OK"}); }, {{"@?SNO", "Answered 5 OK"}}, {"@?NO", "@?SNO"}},
        {"a stop goes out at once, before what waits to go out", [](ScriptedLine& l) { l.send("@?DO 0"); l.send("@?DO 1"); l.send("@STOP", true); l.lines({"0", "OK", "OK", "1", "OK"}); }, {{"@?DO 0", "Answered 0 OK"}, {"@STOP", "Answered OK"}, {"@?DO 1", "Answered 1 OK"}}, {"@?DO 0", "@STOP", "@?DO 1"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedLine l;
        c.run(l);
        EXPECT_EQ(l.ends, c.ends);
        EXPECT_EQ(l.written, c.written);
        EXPECT_EQ(l.noise, c.noise);
    }
}

TEST(ExchangeEngine, ADrainListensBrieflyOnlyWhenTheLastBytesWereAnAnswerTakenWhole) {
    using Run = std::function<void(ScriptedLine&)>;
    const auto answered = [](ScriptedLine& l) {
        l.send("@?NO");
        l.lines({"2", "OK"});
    };
    const struct {
        const char* name;
        Run run;  // ends with the drain asked for
        long long quietAfterMs;
    } cases[] = {
        // clang-format off
        {"an answer taken whole", [&](ScriptedLine& l) { answered(l), l.drain(); }, 5},
        {"a drain that ended in quiet", [&](ScriptedLine& l) { l.drain(), l.pass(60ms), l.drain(); }, 5},
        {"asked again while one listens: that one goes on", [](ScriptedLine& l) { l.drain(), l.pass(30ms), l.drain(); }, 20},
        {"the line just on", [](ScriptedLine& l) { l.engine.online(), l.drain(); }, 50},
        {"noise", [&](ScriptedLine& l) { answered(l), l.lines({"garbage"}), l.drain(); }, 50},
        {"a line begun", [&](ScriptedLine& l) { answered(l), l.engine.receive("12", l.now), l.drain(); }, 50},
        {"bytes the idle line took", [&](ScriptedLine& l) { answered(l), l.engine.stray(), l.drain(); }, 50},
        {"an answer that did not come in time", [](ScriptedLine& l) { l.send("@?C 0"), l.pass(10s), l.drain(); }, 50},
        {"a stop's answer that an END may follow", [](ScriptedLine& l) { l.send("@STOP", true), l.lines({"STOP", "41:Stopped"}), l.drain(); }, 50},
        {"requests abandoned while owed", [](ScriptedLine& l) { l.send("@?NO"), l.engine.abandon(nullptr, l.now), l.drain(); }, 50},
        {"a byte during the brief drain: the whole quiet from it", [&](ScriptedLine& l) { answered(l), l.drain(), l.pass(3ms), l.engine.receive("x", l.now); }, 53},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedLine l;
        c.run(l);
        bool quiet = false;
        l.engine.whenQuiet([&quiet] { quiet = true; });
        for (int i = 0; i < 500 && !quiet; ++i) l.pass(1ms);
        EXPECT_TRUE(quiet);
        EXPECT_EQ(
            std::chrono::duration_cast<std::chrono::milliseconds>(l.now - l.drainedAt).count(),
            c.quietAfterMs);
    }
}

}  // namespace
}  // namespace mivo
