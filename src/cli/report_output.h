#pragma once
// Standard output, where mivo writes its reports. A report that could not be written (the
// output full, its reader gone) is a failure of the command: exit 1 with the system's reason.
#include <string>

namespace mivo {

// Called first: a reader that went away no longer ends the program (SIGPIPE), it fails the
// writes to it.
void WatchReports();

// Flushes standard output: false once anything written to it could not be. Asked right after
// writing, so that the system's reason is that write's.
bool ReportsWritten();

// The command's exit status after its reports: `status`, or 1 with the reason on standard
// error when a report could not be written (a usage error keeps its 2).
int EndOfReports(int status);

}  // namespace mivo
