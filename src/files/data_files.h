#pragma once
// The save and open procedures of every kind of data file, after its file dialog: name rules,
// the overwrite question, writing and reading whole, and the messages.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/prompter.h"
#include "files/file_kind.h"

namespace mivo {

// Passes everything on; a detail is prefixed with the file it is about (control bytes in its
// name as \xNN).
class FileNamingPrompter : public ForwardingPrompter {
  public:
    FileNamingPrompter(Prompter& inner, const std::string& name)
        : ForwardingPrompter(inner), name_(name) {}
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override;

  private:
    const std::string& name_;
};

// The extension of a filter (1-based) of the list; nullptr for the filter without one or an
// index beyond the list.
const std::string* FilterExtension(const std::vector<FileFilter>& filters, int filter);

// The name a save writes: for a filter with an extension, `name` when it passes the kind's
// save name test, otherwise `name` plus the extension; for the filter without one, `name`.
std::string SaveTargetName(const FileKind& kind, const std::string& name, int filter);

// A file that cannot be written, as every save says it: "Cannot write NAME: REASON" (control
// bytes in NAME as \xNN).
std::string CannotWrite(const std::string& name, const std::string& reason);
// "Cannot read NAME: REASON", as CannotWrite.
std::string CannotRead(const std::string& name, const std::string& reason);

// A line of a file as a message quotes it: its first 60 bytes, readable, in double quotes.
std::string QuotedLine(std::string_view line);

// The first line from `count` (0-based) on that is not empty: a line past what a file of its
// kind holds, which would be lost at the next save; lines.size() when there is none.
std::size_t TrailingLine(const std::vector<std::string_view>& lines, std::size_t count);
// How every reader refuses it: `said`, a text such as "line %1 of %2 follows the last value line,
// a pallet file has 10 lines: %3", filled with line k's number (1-based), the line count and the
// line quoted.
std::string TrailingFault(const std::vector<std::string_view>& lines, std::size_t k,
                          const char* said);
// A file too short for its kind: "the file has 3 lines; " and `expected` ("a pallet file has 10,
// one value a line").
std::string TooFewLines(std::size_t lines, const std::string& expected);

// Save after the file dialog. A target that cannot be written (a read-only file, a directory,
// a FIFO) is refused first, with "Cannot write NAME: it is read-only" or the like (caption
// "Save") and no question. Asks the overwrite question when `name`, or for a filter with an
// extension `name` plus the extension, exists; No writes nothing and shows nothing. Writes
// `content` whole and shows "Saved" (caption "Save"). A write failure shows "Cannot write NAME:
// REASON" (caption "Save"), leaves any old file intact and returns false. True only when
// written and "Saved" shown. Names in messages show control bytes as \xNN.
bool SaveDataFile(const FileKind& kind, const std::string& name, int filter,
                  std::string_view content, Prompter& prompter);
// The two halves of a save, for a content that takes long to gather (a backup's reads): the
// refusal and the overwrite question first, false when refused or answered No; the write
// later, with "Saved" or its failure.
bool ConfirmSaveTarget(const FileKind& kind, const std::string& name, int filter,
                       Prompter& prompter);
bool WriteDataFile(const FileKind& kind, const std::string& name, int filter,
                   std::string_view content, Prompter& prompter);

// The name an open reads: for a filter with an extension, `name` when it ends in the extension
// in lower or upper case or when a file of that name exists, otherwise `name` plus the
// extension; for the filter without one, `name` as given.
std::string OpenTargetName(const FileKind& kind, const std::string& name, int filter);

enum class OpenOutcome {
    NotRead,    // the file could not be read; "Cannot read NAME: REASON" shown; data unchanged
    Stopped,    // the conversion refused the content (its message shown)
    Completed,  // the data replaced and the kind's completion notice shown
};

// Converts a file's content into the data; false when it stopped with its own message, shown
// through `prompter` (whose notices with a detail name the file in the detail).
using FileConversion =
    std::function<bool(int filter, std::string_view content, Prompter& prompter)>;

// Open after the file dialog: reads the file whole, drops a UTF-8 byte order mark at its start
// (a text editor's, never part of the data), takes a file in UTF-8 (IsUtf8BeyondAscii) into
// Windows-1252, converts it, shows the completion notice of the filter. A UTF-8 character
// Windows-1252 cannot hold is refused as NotRead: "Cannot read NAME: line N holds the character
// U+XXXX, which Windows-1252 cannot hold". All messages have the caption "Open".
OpenOutcome OpenDataFile(const FileKind& kind, const std::string& name, int filter,
                         const FileConversion& convert, Prompter& prompter);
// The same into `data`, by the kind's conversion (ConvertPalletFile ...).
template <class Data>
OpenOutcome OpenDataFile(const FileKind& kind, Data& data, const std::string& name, int filter,
                         bool (*convert)(Data&, int, std::string_view, Prompter&),
                         Prompter& prompter) {
    return OpenDataFile(
        kind, name, filter,
        [&](int f, std::string_view content, Prompter& p) { return convert(data, f, content, p); },
        prompter);
}

// The filter a file name given without a dialog (the command-line tool) stands for: the first
// whose extension the name ends in (in any case for open, exactly for save), else the
// filter without an extension.
int FilterForName(const std::vector<FileFilter>& filters, const std::string& name, bool open);

}  // namespace mivo
