#include "cli/report_output.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/fd_stream.h"
#include "cli/person_words.h"
#include "common/readable_text.h"
#include "common/said_text.h"

namespace mivo {

namespace {

FdOutBuf* output = nullptr;  // standard output's buffer once watched
FdOutBuf* errors = nullptr;  // standard error's
std::string lastNotice;
std::string logFailure;

}  // namespace

void WatchReports() {
    std::signal(SIGPIPE, SIG_IGN);
    // Never destroyed: the streams are flushed at the very end of the program, after every
    // static object is gone.
    output = new FdOutBuf(STDOUT_FILENO, true);
    errors = new FdOutBuf(STDERR_FILENO, false);
    std::cout.rdbuf(output);
    std::cerr.rdbuf(errors);
}

bool ReportsWritten() {
    const bool flushed = static_cast<bool>(std::cout.flush());
    return flushed && (!output || output->error() == 0);
}

void NoteNotice(const std::string& line) { lastNotice = line; }

void NoteAnswered() {
    if (errors) errors->endLine();
}

void NoteLogFailure(const std::string& text) { logFailure = text; }

int EndOfReports(int status, const std::string& command) {
    // A result that could not be written is a failure like any other.
    if (!ReportsWritten()) {
        const int failure = output && output->error() != 0 ? output->error() : EIO;
        std::cerr << "mivo: the report could not be written to standard output: "
                  << std::strerror(failure) << '\n';
        return status == kExitUsage ? status : kExitFailed;
    }
    if (!logFailure.empty()) {
        std::cerr << "Log: " << logFailure << '\n';
        if (status == kExitCompleted || status == kExitFound) status = kExitFailed;
    }
    if (status == kExitFound) return kExitFailed;
    if (status == kExitCompleted || status == kExitUsage || !errors) return status;
    if (errors->lastLine().rfind("mivo: ", 0) == 0) return status;
    const bool silent = !errors->written();
    std::cerr << "mivo: "
              << ForPerson(
                     Filled(UI_TEXT("Message", "%1 did not complete"), {ReadableText(command)}));
    if (silent && !lastNotice.empty()) std::cerr << ": " << lastNotice;
    std::cerr << '\n';
    return status;
}

}  // namespace mivo
