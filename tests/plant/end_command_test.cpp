// The command after each run, run for real by /bin/sh: what its environment tells, its failures
// said once, its time limit, and that the caller never waits for it.
#include "plant/end_command.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "plant/said_texts.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

using namespace std::chrono_literals;
using test::Eventually;

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

TEST(EndCommand, TellsTheRunInItsEnvironment) {
    const test::TempDir dir;
    ::setenv("MIVO_RESULT", "stale", 1);  // the run's own replaces it
    ::setenv("MIVO_TEST_INHERITED", "kept", 1);
    struct Case {
        const char* what;
        RunRecord run;
        std::map<std::string, std::string> told;
    };
    const std::string error = std::string("32:Position read error", 22) + '\0' + "x";
    // clang-format off
    const Case cases[] = {
        {"END", {0, 1796850245123, 0, 3, RunResult::End, "", 12345, {}, "", -1, "", ""},
         {{"MIVO_RESULT", "END"}, {"MIVO_CYCLE_S", "12.345"}, {"MIVO_PROGRAM", "3"},
          {"MIVO_ERROR", ""}, {"MIVO_START", "2026-12-09T21:04:05.123Z"}}},
        {"ERR", {0, 0, 0, -1, RunResult::Error, error, {}, {}, "", -1, "", ""},
         {{"MIVO_RESULT", "ERR"}, {"MIVO_CYCLE_S", ""}, {"MIVO_PROGRAM", ""},
          {"MIVO_ERROR", "32:Position read errorx"}, {"MIVO_START", "1970-01-01T00:00:00.000Z"}}},
        // No cycle is kept for a lost line, but one given is told.
        {"LINE LOST", {0, 0, 0, 0, RunResult::LineLost, "", 999, {}, "", -1, "", ""},
         {{"MIVO_RESULT", "LINE LOST"}, {"MIVO_CYCLE_S", "0.999"}, {"MIVO_PROGRAM", "0"}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::filesystem::path out = dir.path() / c.what;
        // Its environment, what its standard input held, and its session against its own pid.
        const std::string line =
            "{ env; echo input=$(cat); echo session=$(cut -d' ' -f6 "
            "/proc/$$/stat) pid=$$; } > " +
            Quoted(out) + ".part && mv " + Quoted(out) + ".part " + Quoted(out);
        test::SaidTexts sayings;
        EndCommand command(line, sayings.said());
        command.run(c.run);
        ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(out); }));
        std::map<std::string, std::string> env;
        std::ifstream in(out);
        for (std::string l; std::getline(in, l);)
            if (const std::size_t eq = l.find('='); eq != std::string::npos)
                env[l.substr(0, eq)] = l.substr(eq + 1);
        for (const auto& [name, value] : c.told) EXPECT_EQ(env[name], value) << name;
        EXPECT_EQ(env["MIVO_TEST_INHERITED"], "kept");
        EXPECT_EQ(env["input"], "");
        std::istringstream session(env["session"]);
        std::string sid;
        session >> sid;
        EXPECT_EQ(env["session"], sid + " pid=" + sid) << "not a session of its own";
        EXPECT_TRUE(Eventually([&] { return command.running() == 0; }));
        EXPECT_EQ(sayings.all(), std::vector<std::string>{});
    }
    ::unsetenv("MIVO_RESULT");
    ::unsetenv("MIVO_TEST_INHERITED");
}

TEST(EndCommand, AFailureIsSaidOnceOverRuns) {
    const test::TempDir dir;
    const std::filesystem::path pidFile = dir.path() / "sleep.pid";
    struct Case {
        std::string command;
        std::string said;  // "" nothing
    };
    const Case cases[] = {
        {"true", ""},
        {"exit 3", "ended with exit code 3"},
        {"no-such-command-of-mivo 2>/dev/null",
         "ended with exit code 127 (the shell found no such command)"},
        {"kill -9 $$", "was ended by signal 9"},
        {"sleep 30", "ran longer than its time limit of 0.300 s and was stopped"},
        // SIGTERM ignored: SIGKILL follows.
        {"trap '' TERM; sleep 30", "ran longer than its time limit of 0.300 s and was stopped"},
        // The whole process group goes, not only the shell.
        {"sleep 30 & echo $! > " + Quoted(pidFile) + "; wait", "ran longer than its time limit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        test::SaidTexts sayings;
        EndCommand command(c.command, sayings.said(), 300ms);
        command.run({});
        command.run({});
        ASSERT_TRUE(Eventually([&] { return command.running() == 0; }, 30s));
        const std::vector<std::string> said = sayings.all();
        if (c.said.empty()) {
            EXPECT_EQ(said, std::vector<std::string>{});
            continue;
        }
        ASSERT_EQ(said.size(), 1u);
        EXPECT_NE(said[0].find("The command after each run, '" + c.command + "', " + c.said),
                  std::string::npos)
            << said[0];
    }
    // The sleep of the last case, killed with its group, is gone (or a zombie of another).
    const std::string pid = test::ReadBytes(pidFile.string());
    ASSERT_FALSE(pid.empty());
    EXPECT_TRUE(Eventually([&] {
        std::ifstream stat("/proc/" + pid.substr(0, pid.find('\n')) + "/stat");
        std::string number, name, state;
        return !(stat >> number >> name >> state) || state == "Z";
    }));
}

TEST(EndCommand, NeverWaitsForTheCommand) {
    const test::TempDir dir;
    const auto waitThenTouch = [&](const std::string& go, const std::string& done) {
        return "while [ ! -e " + Quoted(dir.path() / go) + " ]; do sleep 0.02; done; touch " +
               Quoted(dir.path() / done);
    };
    {
        EndCommand command(waitThenTouch("go", "done"));
        command.run({});  // would never return, had it to wait: "go" comes only after it
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "done"));
        EXPECT_EQ(command.running(), 1);
        test::WriteBytes(dir / "go", "");
        EXPECT_TRUE(Eventually([&] { return std::filesystem::exists(dir.path() / "done"); }));
    }
    {
        // Its owner gone while it runs, the command runs on to its end.
        auto command = std::make_unique<EndCommand>(waitThenTouch("go2", "done2"));
        command->run({});
        command.reset();
        test::WriteBytes(dir / "go2", "");
        EXPECT_TRUE(Eventually([&] { return std::filesystem::exists(dir.path() / "done2"); }));
    }
}

}  // namespace
}  // namespace mivo
