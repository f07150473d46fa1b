#pragma once
// The flight recorder's files in their folder: a file a day, mivo-YYYY-MM-DD.log, its further
// parts mivo-YYYY-MM-DD.N.log (N from 1); a closed file compressed with gzip as NAME.log.gz, so
// that zless and zcat read it. Plain C++ and zlib.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace mivo {

struct FlightLogFile {
    std::filesystem::path path;
    std::string day;  // "YYYY-MM-DD"
    int part = 0;
    bool compressed = false;
    std::uintmax_t size = 0;
};

// "mivo-2026-12-08.log", "mivo-2026-12-08.2.log", with ".gz" when compressed.
std::string FlightLogName(const std::string& day, int part, bool compressed = false);
// One of those names: true with `file`'s day, part and compressed filled in.
bool ParseFlightLogName(const std::string& name, FlightLogFile& file);
// "YYYY-MM-DD" of digits.
bool IsFlightLogDay(std::string_view text);

// The recorder's files in `folder`, the order they were written in (by day and part, a part's
// plain file before its compressed one); `error` when the folder could not be read (one that
// does not exist has no files and no error).
std::vector<FlightLogFile> FlightLogFiles(const std::filesystem::path& folder,
                                          std::error_code& error);

// A compression that did not end: NAME.log.gz.tmp.
bool IsFlightLogLeftover(const std::string& name);

// Compresses `plain` into `plain`.gz (written whole to a temporary file, synced, renamed, with
// the plain file's modification time), then removes `plain`. On failure `problem` says why, the
// temporary file is gone and the plain file stays as it was.
bool CompressFlightLog(const std::filesystem::path& plain, std::uintmax_t& compressedSize,
                       std::string& problem);

// The bytes of `file`, decompressed when it is, in pieces to `piece` (false from it stops the
// reading, which is no failure). False with `problem` when it could not be read whole: the
// bytes read until then have been given.
bool ReadFlightLogBytes(const FlightLogFile& file,
                        const std::function<bool(std::string_view)>& piece, std::string& problem);

}  // namespace mivo
