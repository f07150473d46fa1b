#pragma once
// Standard output, where mivo writes its reports, and standard error, where it says how a
// command ended. A report that could not be written (the output full, its reader gone) is a
// failure of the command: exit 1 with the system's reason of the write that failed.
#include <string>

namespace mivo {

// Called first: a reader that went away no longer ends the program (SIGPIPE), it fails the
// writes to it; standard output and error are written through FdOutBuf, which keeps the
// reason of a failed write and the last line said on standard error.
void WatchReports();

// Flushes standard output: false once anything written to it could not be.
bool ReportsWritten();

// The last notice shown ("CAPTION: TEXT"), kept as the reason of a failure that said nothing
// on standard error.
void NoteNotice(const std::string& line);

// A question's answer was read: its line on standard error ended with the answer's echo.
void NoteAnswered();

// The --log file could not be written ("Cannot write LOG: REASON"): said as the command ends,
// and a command that completed fails.
void NoteLogFailure(const std::string& text);

// The command's exit status after its reports: `status`, or 1 with the reason on standard
// error when a report or the log could not be written (a usage error keeps its 2). A failure (1,
// or 3 for a file or controller not read) always ends with a line "mivo: ..." on standard error:
// when the command's last line there is none, "mivo: COMMAND did not complete" follows, with the
// last notice as its reason when nothing at all was said on standard error. kExitFound ends as 1
// without it: a result, no failure.
int EndOfReports(int status, const std::string& command);

}  // namespace mivo
