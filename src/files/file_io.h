#pragma once
// Whole-file reading and writing for the data files, and their splitting into lines.
// Reading is capped and refuses what is no text file; writing goes through a temporary file in
// the same directory and a rename, so a failed write leaves any old file as it was.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mivo {

// Files larger than this are refused: no data file of ours comes near it.
inline constexpr std::size_t kMaxDataFileSize = 16u * 1024u * 1024u;

// Reads the regular file `path` whole into `content`. On failure returns false and sets
// `reason` to the system's reason ("No such file or directory", "Is a directory", ...),
// "File is too large" or "Not a text file (it contains NUL bytes)".
bool ReadWholeFile(const std::string& path, std::string& content, std::string& reason);
// The same for a file that is no text (an archive): NUL bytes are let through.
bool ReadWholeBinaryFile(const std::string& path, std::string& content, std::string& reason);
// Whether `content` is text as ReadWholeFile takes it (no NUL byte); otherwise false with
// `reason` "Not a text file (it contains NUL bytes)".
bool IsTextContent(std::string_view content, std::string& reason);

// The file a save of `path` writes: `path`, or the file the symbolic link(s) at `path` name
// (which need not exist yet). False, with `reason`, when that is no regular file (a directory,
// a FIFO, a device), when it is a read-only file ("it is read-only", see IsReadOnlyFile), when
// its folder does not exist or cannot be written into (the system's reason), or the links
// cannot be followed.
bool SaveTarget(const std::string& path, std::string& target, std::string& reason);

// True when the existing file `path` is not to be written: its mode has no write bit at all
// (a file the user made read-only, which root could write but does not), or this user has no
// write permission for it.
bool IsReadOnlyFile(const std::string& path);

// Writes `content` to the save target of `path` as NAME.tmp-XXXXXX in the target's directory,
// flushed to disk, then renamed over the target, so a link at `path` stays a link. An existing
// file keeps its permissions; a read-only one is refused, never renamed over. On failure the
// temporary file is removed, the old file is intact, and `reason` holds the system's reason.
bool WriteWholeFile(const std::string& path, std::string_view content, std::string& reason);

// True when `path` names something that is not a directory.
bool FileExists(const std::string& path);

// The lines of a file's content: split at LF, one CR before the LF dropped; a last line
// without a line end counts, the empty text after a final line end does not.
std::vector<std::string_view> SplitLines(std::string_view content);

}  // namespace mivo
