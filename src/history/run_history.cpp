#include "history/run_history.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <atomic>
#include <cmath>
#include <system_error>

namespace mivo {

namespace fs = std::filesystem;

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

const char* const kRunColumns =
    "id, start_ms, end_ms, program, result, error, cycle_ms, program_hash, robot, versions, host";

// SQLite's primary result codes (the driver gives the extended code, whose low byte they are).
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kNotADatabase = 26;

int PrimaryCode(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xff; }
// The disk or the file refused the write (full, read-only, busy, an I/O error): nothing wrong
// with what the file holds.
bool CannotWrite(const QSqlError& error) {
    switch (PrimaryCode(error)) {
        case 5:   // busy
        case 6:   // locked
        case 8:   // read-only
        case 10:  // I/O error
        case 13:  // full
        case 14:  // cannot open
            return true;
        default:
            return false;
    }
}
bool Damaged(const QSqlError& error) {
    const int code = PrimaryCode(error);
    return code == kCorrupt || code == kNotADatabase;
}

// Bytes as they came (the controller's, Windows-1252) kept one for one.
QString Bytes(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}
std::string BytesOf(const QVariant& value) { return value.toString().toLatin1().toStdString(); }

QVariant Known(int value) { return value >= 0 ? QVariant(value) : QVariant(); }

std::string ConnectionName() {
    static std::atomic<int> count{0};
    return "mivo-history-" + std::to_string(++count);
}

QSqlDatabase Db(const std::string& connection) {
    return QSqlDatabase::database(QString::fromStdString(connection), false);
}

}  // namespace

fs::path RunHistoryFile(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / "mivo" / "history.sqlite";
    if (home && *home) return fs::path(home) / ".local" / "share" / "mivo" / "history.sqlite";
    return {};
}

RunHistory::RunHistory(fs::path file, HistorySaid said)
    : file_(std::move(file)), said_(std::move(said)), connection_(ConnectionName()) {
    usable_ = open();
}

RunHistory::~RunHistory() {
    {
        QSqlDatabase db = Db(connection_);
        if (db.isValid()) db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromStdString(connection_));
}

void RunHistory::say(bool& said, const std::string& message) {
    if (said) return;
    said = true;
    if (said_) said_(message);
}

bool RunHistory::open() {
    if (file_.empty()) {
        say(saidUnwritable_,
            "The run history has no folder: neither XDG_DATA_HOME nor HOME is "
            "set. Runs are not kept.");
        return false;
    }
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    QSqlDatabase db = Db(connection_);
    if (!db.isValid())
        db = QSqlDatabase::addDatabase("QSQLITE", QString::fromStdString(connection_));
    if (!db.isValid()) {
        say(saidUnwritable_, "The run history cannot be kept: Qt's SQLite driver is missing.");
        return false;
    }
    db.setDatabaseName(QString::fromStdString(file_.string()));
    db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=2000");
    if (!db.open()) {
        say(saidUnwritable_, "The run history " + file_.string() + " cannot be opened: " +
                                 db.lastError().text().toStdString() + ". Runs are not kept.");
        return false;
    }
    return migrate();
}

bool RunHistory::migrate() {
    QSqlDatabase db = Db(connection_);
    QSqlQuery q(db);
    if (!q.exec("PRAGMA user_version") || !q.next()) {
        if (Damaged(q.lastError())) {
            setAside(q.lastError().text().toStdString());
            return open();
        }
        say(saidUnwritable_, "The run history " + file_.string() + " cannot be read: " +
                                 q.lastError().text().toStdString() + ". Runs are not kept.");
        return false;
    }
    int version = q.value(0).toInt();
    q.finish();
    if (version > kSchemaVersion) {
        say(saidNewer_, "The run history " + file_.string() +
                            " was made by a newer version of this program. Runs are not kept.");
        return false;
    }
    q.exec("PRAGMA journal_mode=WAL");
    q.exec("PRAGMA synchronous=NORMAL");
    q.finish();
    const auto& migrations = Migrations();
    for (; version < kSchemaVersion; ++version) {
        db.transaction();
        bool ok = true;
        for (const char* statement : migrations[std::size_t(version)]) ok = ok && q.exec(statement);
        ok = ok && q.exec(QString("PRAGMA user_version = %1").arg(version + 1));
        if (!ok || !db.commit()) {
            const QSqlError error = q.lastError().isValid() ? q.lastError() : db.lastError();
            db.rollback();
            if (!CannotWrite(error)) {
                setAside(error.text().toStdString());
                return open();
            }
            say(saidUnwritable_, "The run history " + file_.string() + " cannot be made: " +
                                     error.text().toStdString() + ". Runs are not kept.");
            return false;
        }
    }
    // The tables hold what this version reads: a file whose tables are not ours is damaged.
    if (!q.exec(QString("SELECT %1 FROM runs LIMIT 0").arg(kRunColumns)) ||
        !q.exec("SELECT run, visit, step, ms FROM run_steps LIMIT 0")) {
        setAside(q.lastError().text().toStdString());
        return open();
    }
    return true;
}

void RunHistory::setAside(const std::string& why) {
    {
        QSqlDatabase db = Db(connection_);
        db.close();
    }
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
    say(saidDamaged_, "The run history was damaged (" + why + "). It is kept as " + aside.string() +
                          " and a new history is begun.");
}

bool RunHistory::record(RunRecord& run) {
    if (!usable_) return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlDatabase db = Db(connection_);
        QSqlError error;
        {
            QSqlQuery q(db);
            db.transaction();
            q.prepare(QString("INSERT INTO runs (%1) VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                          .arg(kRunColumns));
            q.addBindValue(qint64(run.startMs));
            q.addBindValue(qint64(run.endMs));
            q.addBindValue(Known(run.program));
            q.addBindValue(QString::fromLatin1(RunResultWord(run.result).data(),
                                               qsizetype(RunResultWord(run.result).size())));
            q.addBindValue(Bytes(run.errorCode));
            q.addBindValue(run.cycleMs ? QVariant(qint64(*run.cycleMs)) : QVariant());
            q.addBindValue(Bytes(run.programHash));
            q.addBindValue(Known(run.robot));
            q.addBindValue(Bytes(run.versions));
            q.addBindValue(Bytes(run.host));
            bool ok = q.exec();
            const qint64 id = ok ? q.lastInsertId().toLongLong() : 0;
            if (ok && !run.steps.empty()) {
                QSqlQuery s(db);
                s.prepare("INSERT INTO run_steps (run, visit, step, ms) VALUES (?, ?, ?, ?)");
                for (std::size_t i = 0; ok && i < run.steps.size(); ++i) {
                    s.bindValue(0, id);
                    s.bindValue(1, qint64(i));
                    s.bindValue(2, run.steps[i].step);
                    s.bindValue(3, qint64(std::llround(run.steps[i].seconds * 1000.0)));
                    ok = s.exec();
                }
                if (!ok) error = s.lastError();
            } else if (!ok) {
                error = q.lastError();
            }
            if (ok && db.commit()) {
                run.id = id;
                return true;
            }
            if (!error.isValid()) error = db.lastError();
        }
        db.rollback();
        if (attempt == 0 && Damaged(error)) {
            setAside(error.text().toStdString());
            usable_ = open();
            if (usable_) continue;
            return false;
        }
        const std::string what = PrimaryCode(error) == kFull ? std::string("the disk is full")
                                                             : error.text().toStdString();
        say(saidUnwritable_, "A run could not be kept in the run history " + file_.string() + ": " +
                                 what + ". Runs that cannot be written are not kept.");
        return false;
    }
    return false;
}

std::vector<RunRecord> RunHistory::runs(const HistoryFilter& filter) const {
    std::vector<RunRecord> out;
    if (!usable_) return out;
    QString sql = QString("SELECT %1 FROM runs WHERE 1").arg(kRunColumns);
    if (filter.program) sql += " AND program = :program";
    if (filter.result) sql += " AND result = :result";
    if (filter.sinceMs) sql += " AND start_ms >= :since";
    if (filter.untilMs) sql += " AND start_ms < :until";
    sql += " ORDER BY start_ms, id";
    QSqlQuery q(Db(connection_));
    q.setForwardOnly(true);
    q.prepare(sql);
    if (filter.program) q.bindValue(":program", *filter.program);
    if (filter.result) q.bindValue(":result", QString::fromLatin1(RunResultWord(*filter.result)));
    if (filter.sinceMs) q.bindValue(":since", qint64(*filter.sinceMs));
    if (filter.untilMs) q.bindValue(":until", qint64(*filter.untilMs));
    if (!q.exec()) return out;
    while (q.next()) {
        RunRecord r;
        r.id = q.value(0).toLongLong();
        r.startMs = q.value(1).toLongLong();
        r.endMs = q.value(2).toLongLong();
        r.program = q.value(3).isNull() ? -1 : q.value(3).toInt();
        r.result = RunResultOfWord(q.value(4).toString().toStdString()).value_or(RunResult::End);
        r.errorCode = BytesOf(q.value(5));
        if (!q.value(6).isNull()) r.cycleMs = q.value(6).toLongLong();
        r.programHash = BytesOf(q.value(7));
        r.robot = q.value(8).isNull() ? -1 : q.value(8).toInt();
        r.versions = BytesOf(q.value(9));
        r.host = BytesOf(q.value(10));
        out.push_back(std::move(r));
    }
    return out;
}

std::vector<MeasuredStep> RunHistory::steps(std::int64_t id) const {
    std::vector<MeasuredStep> out;
    if (!usable_) return out;
    QSqlQuery q(Db(connection_));
    q.setForwardOnly(true);
    q.prepare("SELECT step, ms FROM run_steps WHERE run = ? ORDER BY visit");
    q.addBindValue(qint64(id));
    if (!q.exec()) return out;
    while (q.next()) out.push_back({q.value(0).toInt(), double(q.value(1).toLongLong()) / 1000.0});
    return out;
}

}  // namespace mivo
