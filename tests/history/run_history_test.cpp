#include "history/run_history.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>

#include "history/history_recorder.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

namespace fs = std::filesystem;

RunRecord MadeRun(std::int64_t start, int program, RunResult result) {
    RunRecord r;
    r.startMs = start;
    r.endMs = start + 12350;
    r.program = program;
    r.result = result;
    if (result == RunResult::End) r.cycleMs = 12350;
    if (result == RunResult::Error) r.errorCode = "12";
    r.host = "mivo";
    return r;
}

// Statements run on a database of another program's making.
void Exec(const fs::path& file, const std::vector<const char*>& statements) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    for (const char* s : statements)
        EXPECT_EQ(sqlite3_exec(db, s, nullptr, nullptr, nullptr), SQLITE_OK) << s;
    sqlite3_close(db);
}

struct Said {
    std::vector<std::string> lines;
    HistorySaid fn() {
        return [this](const std::string& s) { lines.push_back(s); };
    }
};

// Every way a run ends is kept with all it holds, unknowns as unknown and the controller's bytes
// as they came, and read back by each filter.
TEST(RunHistory, KeepsEveryRunAndFindsItByProgramResultAndDate) {
    test::TempDir dir;
    const fs::path file = dir.path() / "mivo" / "history.sqlite";
    std::vector<RunRecord> kept;
    {
        RunHistory history(file);
        ASSERT_TRUE(history.usable());
        std::int64_t start = 1765314245123;
        for (RunResult result : AllRunResults()) {
            RunRecord r = MadeRun(start, int(kept.size()) % 3, result);
            start += 60000;
            kept.push_back(r);
        }
        kept[0].steps = {{0, 0.35}, {1, 2.5}, {0, 0.351}};
        kept[0].programHash = "0123456789abcdef";
        kept[0].robot = 22;
        kept[0].versions = "V1.20 \xe9\x80";
        kept[1].program = -1;
        kept[1].host = "mivo-editor";
        for (RunRecord& r : kept) {
            ASSERT_TRUE(history.record(r));
            EXPECT_GT(r.id, 0);
        }
    }
    RunHistory again(file);
    std::vector<RunRecord> read = again.runs();
    ASSERT_EQ(read.size(), kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        RunRecord expected = kept[i];
        expected.steps.clear();
        EXPECT_EQ(read[i], expected) << i;
    }
    EXPECT_EQ(again.steps(kept[0].id), kept[0].steps);

    struct Case {
        HistoryFilter filter;
        std::vector<std::size_t> runs;
    };
    const std::int64_t t0 = kept[0].startMs;
    const Case cases[] = {
        {{2, {}, {}, {}}, {2, 5}},
        {{{}, RunResult::Error, {}, {}}, {1}},
        {{{}, {}, t0 + 60000, t0 + 180000}, {1, 2}},
        {{0, RunResult::Stop, {}, {}}, {}},
        {{0, {}, t0 + 1, {}}, {3, 6}},
    };
    for (const Case& c : cases) {
        std::vector<std::size_t> got;
        for (const RunRecord& r : again.runs(c.filter))
            for (std::size_t i = 0; i < kept.size(); ++i)
                if (kept[i].id == r.id) got.push_back(i);
        EXPECT_EQ(got, c.runs);
    }
}

// A file that is no history of ours is set aside, numbered, said once, and a new one begun that
// keeps runs; one made by a newer version is left as it is.
TEST(RunHistory, DamagedSetAsideNewerLeftAlone) {
    test::TempDir dir;
    const fs::path file = dir.path() / "history.sqlite";
    test::WriteBytes(file.string(), std::string(4096, 'x'));
    Said said;
    {
        RunHistory history(file, said.fn());
        ASSERT_TRUE(history.usable());
        RunRecord r = MadeRun(1000, 1, RunResult::End);
        EXPECT_TRUE(history.record(r));
        EXPECT_EQ(history.runs().size(), 1u);
    }
    ASSERT_EQ(said.lines.size(), 1u);
    EXPECT_NE(said.lines[0].find("history.sqlite.damaged.1"), std::string::npos) << said.lines[0];
    EXPECT_EQ(fs::file_size(dir.path() / "history.sqlite.damaged.1"), 4096u);

    // A database whose tables are another program's, then one of a later version.
    for (const char* end : {"", "-wal", "-shm"}) fs::remove(file.string() + end);
    Exec(file, {"CREATE TABLE runs (name TEXT)"});
    Said second;
    {
        RunHistory history(file, second.fn());
        EXPECT_TRUE(history.usable());
        EXPECT_TRUE(history.runs().empty());
    }
    EXPECT_TRUE(fs::exists(dir.path() / "history.sqlite.damaged.2"));
    EXPECT_EQ(second.lines.size(), 1u);

    const fs::path newer = dir.path() / "newer.sqlite";
    Exec(newer, {"CREATE TABLE runs (id INTEGER PRIMARY KEY, what BLOB)", "PRAGMA user_version=9"});
    const std::string bytes = test::ReadBytes(newer.string());
    Said third;
    {
        RunHistory history(newer, third.fn());
        EXPECT_FALSE(history.usable());
        RunRecord r = MadeRun(1000, 1, RunResult::End);
        EXPECT_FALSE(history.record(r));
    }
    ASSERT_EQ(third.lines.size(), 1u);
    EXPECT_NE(third.lines[0].find("newer version"), std::string::npos);
    EXPECT_EQ(test::ReadBytes(newer.string()), bytes);
    EXPECT_FALSE(fs::exists(dir.path() / "newer.sqlite.damaged.1"));
}

// A disk that takes no more: the run is dropped and said once, the next runs too without a
// word, and runs are kept again once there is room.
TEST(RunHistory, AFullDiskIsSaidOnceAndStopsNothing) {
    test::TempDir dir;
    const fs::path file = dir.path() / "history.sqlite";
    Said said;
    RunHistory history(file, said.fn());
    ASSERT_TRUE(history.usable());
    RunRecord first = MadeRun(1000, 0, RunResult::End);
    ASSERT_TRUE(history.record(first));

    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &small);
    RunRecord big = MadeRun(2000, 0, RunResult::End);
    big.steps.assign(5000, {1, 0.5});
    const bool keptFull = history.record(big);
    const bool keptFull2 = history.record(big);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(keptFull);
    EXPECT_FALSE(keptFull2);
    ASSERT_EQ(said.lines.size(), 1u);
    EXPECT_NE(said.lines[0].find("could not be kept"), std::string::npos) << said.lines[0];
    RunRecord later = MadeRun(3000, 0, RunResult::Stop);
    EXPECT_TRUE(history.record(later));
    std::vector<std::int64_t> starts;
    for (const RunRecord& r : history.runs()) starts.push_back(r.startMs);
    EXPECT_EQ(starts, (std::vector<std::int64_t>{1000, 3000}));
}

// The recorder's thread keeps each run taken, in order, before it ends.
TEST(RunHistory, TheRecorderKeepsEveryRunTakenInOrder) {
    test::TempDir dir;
    const fs::path file = dir.path() / "history.sqlite";
    std::vector<std::int64_t> ids;
    {
        HistoryRecorder recorder(file, {}, [&ids](const RunRecord& r) { ids.push_back(r.id); });
        for (int i = 0; i < 20; ++i) recorder.record(MadeRun(1000 + i, i % 6, RunResult::End));
        recorder.sync();
        EXPECT_EQ(ids.size(), 20u);
        for (int i = 0; i < 5; ++i) recorder.record(MadeRun(2000 + i, 0, RunResult::Stop));
    }
    EXPECT_EQ(ids.size(), 25u);
    RunHistory history(file);
    const std::vector<RunRecord> runs = history.runs();
    ASSERT_EQ(runs.size(), 25u);
    for (std::size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(runs[i].id, ids[i]);
}

}  // namespace
}  // namespace mivo
