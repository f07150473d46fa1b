#include "cli/report_output.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>

#include "cli/cli_args.h"

namespace mivo {

namespace {

int failure = 0;  // the system's error of the first write that failed; 0: none

}  // namespace

void WatchReports() { std::signal(SIGPIPE, SIG_IGN); }

bool ReportsWritten() {
    if (failure != 0) return false;
    // The system's error is still that of the write that failed: callers ask right after it.
    if (std::cout && std::cout.flush()) return true;
    failure = errno != 0 ? errno : EIO;
    return false;
}

int EndOfReports(int status) {
    if (ReportsWritten()) return status;
    std::cerr << "mivo: the report could not be written to standard output: "
              << std::strerror(failure) << '\n';
    return status == kExitUsage ? status : kExitFailed;
}

}  // namespace mivo
