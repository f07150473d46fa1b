#pragma once
// The run history: every run kept in an SQLite database, $XDG_DATA_HOME/mivo/history.sqlite
// (~/.local/share/mivo/history.sqlite when that is unset, empty or not absolute), through
// SQLite's own library. Write-ahead logging, one transaction per run: a program killed loses at
// most the run it had not yet kept. The schema has a version (SQLite's user_version), and each
// later version a migration from the one before.
// A file that is no such database is set aside as history.sqlite.damaged.N (N from 1, its
// write-ahead log beside it) and a new one begun; a run that cannot be written (a full disk) is
// dropped. Each is said once, through `said`; nothing stops for it.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/run_record.h"
#include "history/history_text.h"

struct sqlite3;

namespace mivo {

std::filesystem::path RunHistoryFile(const char* xdgDataHome, const char* home);

using HistorySaid = std::function<void(const std::string& message)>;

// One connection to the history, used on one thread at a time; readers and the writer each
// have their own.
class RunHistory {
  public:
    static constexpr int kSchemaVersion = 1;

    explicit RunHistory(std::filesystem::path file, HistorySaid said = {});
    ~RunHistory();
    RunHistory(const RunHistory&) = delete;
    RunHistory& operator=(const RunHistory&) = delete;

    // Open and of this program's schema.
    bool usable() const { return usable_; }
    const std::filesystem::path& file() const { return file_; }

    // Keeps `run` and its steps in one transaction and sets its id. False when it was not kept.
    bool record(RunRecord& run);
    // The runs `filter` takes, oldest first, without their steps.
    std::vector<RunRecord> runs(const HistoryFilter& filter = {}) const;
    // A run's step visits, in order.
    std::vector<MeasuredStep> steps(std::int64_t id) const;

  private:
    bool open();
    void close();
    bool migrate();
    void setAside(const std::string& why);
    void say(bool& said, const std::string& message);

    std::filesystem::path file_;
    HistorySaid said_;
    sqlite3* db_ = nullptr;
    bool usable_ = false;
    bool saidDamaged_ = false;
    bool saidUnwritable_ = false;
    bool saidNewer_ = false;
};

}  // namespace mivo
