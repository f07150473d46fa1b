#pragma once
// SQLite's C interface as the run history uses it: a statement prepared, bound, stepped and
// finalized; the error a failure leaves; the controller's bytes kept as UTF-8 text.
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace mivo::sqlite {

// What SQLite said of a statement that failed: its primary result code and its words.
struct SqlError {
    int code = SQLITE_OK;
    std::string text;
};

inline SqlError ErrorOf(sqlite3* db, int rc) {
    return {rc & 0xff, sqlite3_errmsg(db) + std::string(" (") + sqlite3_errstr(rc) + ")"};
}

// Bytes as they came (the controller's, Windows-1252) are kept one for one, each as the character
// of its number (Latin-1), so that the file holds UTF-8 text that other tools read.
inline std::string Latin1ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            text += c;
        } else {
            text += char(0xc0 | (u >> 6));
            text += char(0x80 | (u & 0x3f));
        }
    }
    return text;
}
inline std::string Utf8ToLatin1(const char* text, std::size_t size) {
    std::string bytes;
    bytes.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        const auto u = static_cast<unsigned char>(text[i]);
        if ((u & 0xfe) == 0xc2 && i + 1 < size) {  // U+0080..U+00FF
            bytes += char(((u & 0x03) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3f));
        } else {
            bytes += char(u);
        }
    }
    return bytes;
}

// A prepared statement, finalized as it goes out of scope.
class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql) : db_(db) {
        rc_ = sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &stmt_, nullptr);
        prepared_ = rc_ == SQLITE_OK;
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool prepared() const { return prepared_; }
    SqlError error() const { return ErrorOf(db_, rc_); }

    // Binds from 1 up, in the order called; an absent value (below 0, or none) binds NULL.
    void bind(std::int64_t value) { sqlite3_bind_int64(stmt_, ++bound_, value); }
    void bindKnown(int value) {
        if (value >= 0)
            sqlite3_bind_int(stmt_, ++bound_, value);
        else
            sqlite3_bind_null(stmt_, ++bound_);
    }
    void bind(std::string_view bytes) {
        const std::string text = Latin1ToUtf8(bytes);
        sqlite3_bind_text(stmt_, ++bound_, text.data(), int(text.size()), SQLITE_TRANSIENT);
    }

    // The next row; false at the end or on an error (then error() says which).
    bool row() {
        if (!prepared()) return false;
        rc_ = sqlite3_step(stmt_);
        return rc_ == SQLITE_ROW;
    }
    // Runs a statement that gives no rows; false on an error.
    bool run() {
        if (!prepared()) return false;
        rc_ = sqlite3_step(stmt_);
        if (rc_ == SQLITE_DONE) rc_ = SQLITE_OK;
        return rc_ == SQLITE_OK;
    }
    void reset() {
        sqlite3_reset(stmt_);
        bound_ = 0;
    }

    bool isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
    std::int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string text(int column) const {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return bytes ? Utf8ToLatin1(bytes, std::size_t(sqlite3_column_bytes(stmt_, column)))
                     : std::string();
    }

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_OK;
    bool prepared_ = false;
    int bound_ = 0;
};

// Runs each statement in `sql` (one or more, no rows wanted); the first failure's error.
inline SqlError Exec(sqlite3* db, const std::string& sql) {
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? SqlError{} : ErrorOf(db, rc);
}

}  // namespace mivo::sqlite
