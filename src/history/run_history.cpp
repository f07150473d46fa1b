#include "history/run_history.h"

#include <cmath>
#include <system_error>

#include "common/said_text.h"
#include "history/sqlite_statement.h"

namespace mivo {

namespace fs = std::filesystem;
using sqlite::ErrorOf;
using sqlite::Exec;
using sqlite::SqlError;
using sqlite::Statement;

namespace {

// Each version's schema from the one before; entry k takes version k to k + 1.
const std::vector<std::vector<const char*>>& Migrations() {
    static const std::vector<std::vector<const char*>> migrations = {
        {
            "CREATE TABLE runs (id INTEGER PRIMARY KEY, start_ms INTEGER NOT NULL, end_ms INTEGER "
            "NOT NULL, program INTEGER, result TEXT NOT NULL, error TEXT NOT NULL DEFAULT '', "
            "cycle_ms INTEGER, program_hash TEXT NOT NULL DEFAULT '', robot INTEGER, versions "
            "TEXT NOT NULL DEFAULT '', host TEXT NOT NULL DEFAULT '')",
            "CREATE INDEX runs_by_start ON runs (start_ms)",
            "CREATE TABLE run_steps (run INTEGER NOT NULL REFERENCES runs (id), visit INTEGER NOT "
            "NULL, step INTEGER NOT NULL, ms INTEGER NOT NULL, PRIMARY KEY (run, visit)) WITHOUT "
            "ROWID",
        },
    };
    return migrations;
}

const std::string kRunColumns =
    "id, start_ms, end_ms, program, result, error, cycle_ms, program_hash, robot, versions, host";

// The disk or the file refused the write (full, read-only, busy, an I/O error): nothing wrong
// with what the file holds.
bool CannotWrite(const SqlError& error) {
    switch (error.code) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_READONLY:
        case SQLITE_IOERR:
        case SQLITE_FULL:
        case SQLITE_CANTOPEN:
            return true;
        default:
            return false;
    }
}
bool Damaged(const SqlError& error) {
    return error.code == SQLITE_CORRUPT || error.code == SQLITE_NOTADB;
}

}  // namespace

fs::path RunHistoryFile(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / "mivo" / "history.sqlite";
    if (home && *home) return fs::path(home) / ".local" / "share" / "mivo" / "history.sqlite";
    return {};
}

RunHistory::RunHistory(fs::path file, HistorySaid said)
    : file_(std::move(file)), said_(std::move(said)) {
    usable_ = open();
}

RunHistory::~RunHistory() { close(); }

void RunHistory::close() {
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void RunHistory::say(bool& said, const std::string& message) {
    if (said) return;
    said = true;
    if (said_) said_(message);
}

bool RunHistory::open() {
    if (file_.empty()) {
        say(saidUnwritable_, UI_TEXT("Message",
                                     "The run history has no folder: neither XDG_DATA_HOME nor "
                                     "HOME is set. Runs are not kept."));
        return false;
    }
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    close();
    const int rc =
        sqlite3_open_v2(file_.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const std::string why = db_ ? ErrorOf(db_, rc).text : sqlite3_errstr(rc);
        close();
        say(saidUnwritable_,
            Filled(
                UI_TEXT("Message", "The run history %1 cannot be opened: %2. Runs are not kept."),
                {file_.string(), why}));
        return false;
    }
    sqlite3_busy_timeout(db_, 2000);
    return migrate();
}

bool RunHistory::migrate() {
    int version = 0;
    {
        Statement q(db_, "PRAGMA user_version");
        if (!q.row()) {
            const SqlError error = q.error();
            if (Damaged(error)) {
                setAside(error.text);
                return open();
            }
            say(saidUnwritable_,
                Filled(
                    UI_TEXT("Message", "The run history %1 cannot be read: %2. Runs are not kept."),
                    {file_.string(), error.text}));
            return false;
        }
        version = int(q.integer(0));
    }
    if (version > kSchemaVersion) {
        say(saidNewer_, Filled(UI_TEXT("Message",
                                       "The run history %1 was made by a newer version of this "
                                       "program. Runs are not kept."),
                               {file_.string()}));
        return false;
    }
    Exec(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
    const auto& migrations = Migrations();
    for (; version < kSchemaVersion; ++version) {
        SqlError error = Exec(db_, "BEGIN");
        for (const char* statement : migrations[std::size_t(version)])
            if (error.code == SQLITE_OK) error = Exec(db_, statement);
        if (error.code == SQLITE_OK)
            error = Exec(db_, "PRAGMA user_version = " + std::to_string(version + 1));
        if (error.code == SQLITE_OK) error = Exec(db_, "COMMIT");
        if (error.code != SQLITE_OK) {
            Exec(db_, "ROLLBACK");
            if (!CannotWrite(error)) {
                setAside(error.text);
                return open();
            }
            say(saidUnwritable_,
                Filled(
                    UI_TEXT("Message", "The run history %1 cannot be made: %2. Runs are not kept."),
                    {file_.string(), error.text}));
            return false;
        }
    }
    // The tables hold what this version reads: a file whose tables are not ours is damaged.
    for (const std::string& sql :
         {"SELECT " + kRunColumns + " FROM runs LIMIT 0",
          std::string("SELECT run, visit, step, ms FROM run_steps LIMIT 0")}) {
        Statement q(db_, sql);
        if (!q.prepared()) {
            const SqlError error = q.error();
            setAside(error.text);
            return open();
        }
    }
    return true;
}

void RunHistory::setAside(const std::string& why) {
    close();
    fs::path aside;
    std::error_code ec;
    for (int n = 1;; ++n) {
        aside = file_;
        aside += ".damaged." + std::to_string(n);
        if (!fs::exists(aside, ec)) break;
    }
    fs::rename(file_, aside, ec);
    const fs::path wal = fs::path(file_.string() + "-wal");
    if (fs::exists(wal, ec)) fs::rename(wal, fs::path(aside.string() + "-wal"), ec);
    fs::remove(fs::path(file_.string() + "-shm"), ec);
    say(saidDamaged_, Filled(UI_TEXT("Message",
                                     "The run history was damaged (%1). It is kept as %2 and a "
                                     "new history is begun."),
                             {why, aside.string()}));
}

bool RunHistory::record(RunRecord& run) {
    if (!usable_) return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        SqlError error = Exec(db_, "BEGIN");
        std::int64_t id = 0;
        if (error.code == SQLITE_OK) {
            Statement q(db_, "INSERT INTO runs (" + kRunColumns +
                                 ") VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
            q.bind(run.startMs);
            q.bind(run.endMs);
            q.bindKnown(run.program);
            q.bind(RunResultWord(run.result));
            q.bind(run.errorCode);
            if (run.cycleMs)
                q.bind(*run.cycleMs);
            else
                q.bindKnown(-1);
            q.bind(run.programHash);
            q.bindKnown(run.robot);
            q.bind(run.versions);
            q.bind(run.host);
            bool ok = q.run();
            if (!ok) error = q.error();
            id = sqlite3_last_insert_rowid(db_);
            if (ok && !run.steps.empty()) {
                Statement s(db_,
                            "INSERT INTO run_steps (run, visit, step, ms) VALUES (?, ?, ?, ?)");
                for (std::size_t i = 0; ok && i < run.steps.size(); ++i) {
                    s.reset();
                    s.bind(id);
                    s.bind(std::int64_t(i));
                    s.bind(std::int64_t(run.steps[i].step));
                    s.bind(std::int64_t(std::llround(run.steps[i].seconds * 1000.0)));
                    ok = s.run();
                }
                if (!ok) error = s.error();
            }
            if (ok) error = Exec(db_, "COMMIT");
        }
        if (error.code == SQLITE_OK) {
            run.id = id;
            return true;
        }
        Exec(db_, "ROLLBACK");
        if (attempt == 0 && Damaged(error)) {
            setAside(error.text);
            usable_ = open();
            if (usable_) continue;
            return false;
        }
        // A full disk in words of its own, each sentence whole.
        if (error.code == SQLITE_FULL)
            say(saidUnwritable_, Filled(UI_TEXT("Message",
                                                "A run could not be kept in the run history %1: "
                                                "the disk is full. Runs that cannot be written "
                                                "are not kept."),
                                        {file_.string()}));
        else
            say(saidUnwritable_, Filled(UI_TEXT("Message",
                                                "A run could not be kept in the run history %1: "
                                                "%2. Runs that cannot be written are not kept."),
                                        {file_.string(), error.text}));
        return false;
    }
    return false;
}

std::vector<RunRecord> RunHistory::runs(const HistoryFilter& filter) const {
    std::vector<RunRecord> out;
    if (!usable_) return out;
    std::string sql = "SELECT " + kRunColumns + " FROM runs WHERE 1";
    if (filter.program) sql += " AND program = ?";
    if (filter.result) sql += " AND result = ?";
    if (filter.sinceMs) sql += " AND start_ms >= ?";
    if (filter.untilMs) sql += " AND start_ms < ?";
    sql += " ORDER BY start_ms, id";
    Statement q(db_, sql);
    if (filter.program) q.bind(std::int64_t(*filter.program));
    if (filter.result) q.bind(RunResultWord(*filter.result));
    if (filter.sinceMs) q.bind(*filter.sinceMs);
    if (filter.untilMs) q.bind(*filter.untilMs);
    while (q.row()) {
        RunRecord& r = out.emplace_back();
        r.id = q.integer(0);
        r.startMs = q.integer(1);
        r.endMs = q.integer(2);
        r.program = q.isNull(3) ? -1 : int(q.integer(3));
        r.result = RunResultOfWord(q.text(4)).value_or(RunResult::End);
        r.errorCode = q.text(5);
        if (!q.isNull(6)) r.cycleMs = q.integer(6);
        r.programHash = q.text(7);
        r.robot = q.isNull(8) ? -1 : int(q.integer(8));
        r.versions = q.text(9);
        r.host = q.text(10);
    }
    return out;
}

std::vector<MeasuredStep> RunHistory::steps(std::int64_t id) const {
    std::vector<MeasuredStep> out;
    if (!usable_) return out;
    Statement q(db_, "SELECT step, ms FROM run_steps WHERE run = ? ORDER BY visit");
    q.bind(id);
    while (q.row()) out.push_back({int(q.integer(0)), double(q.integer(1)) / 1000.0});
    return out;
}

}  // namespace mivo
