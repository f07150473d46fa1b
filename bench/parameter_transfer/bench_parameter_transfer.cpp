// bench_parameter_transfer: sends the 44 parameters to mivo-sim running as a child process with
// --pace (19200 baud, 11 bits a byte, both directions), then receives them back, with the very
// procedures of the parameter editor, a number of rounds. Prints the elapsed time of each leg,
// the time of the line's drains in it (the transfer drains twice by rule: before and after the
// version query, each waiting for 5 ms of quiet after an answer taken whole, 50 ms after the line
// came on), the wire time of the bytes exchanged in both directions and the ratios. Asserts
// nothing; exits 1 when a transfer fails or the values read back differ.
// Options: --rounds N (default 5), --version-text TEXT (the controller's, default 1.14).
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "../paced_line.h"
#include "cli/console_prompter.h"
#include "parameters/parameter_rules.h"
#include "parameters/parameter_transfer.h"

namespace {

// Values as a user keeps them: robot 22's, with a few of every width.
mivo::ParameterTable Values() {
    mivo::ParameterTable t;
    t.setValue(4, "-12.50");
    t.setValue(6, "180.00");
    t.setValue(22, "199.99");
    t.setValue(26, "40.5");
    t.setValue(36, "0.05");
    t.setValue(43, "1");
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int rounds = 5;
    QString version = "1.14";
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--rounds") rounds = std::max(1, args[i + 1].toInt());
        if (args[i] == "--version-text") version = args[i + 1];
    }

    // Every question answered Yes; notices on standard output.
    mivo::ConsolePrompter prompter(std::cin, std::cout, std::cerr, true);
    mivo::bench::PacedLine line(prompter, {"--version-text", version});
    if (!line.online()) return 1;
    std::printf("controller version %s\n", qPrintable(version));

    const mivo::ParameterTable original = Values();
    const int count = mivo::TransferCount(version.toStdString());
    mivo::bench::Leg legs[] = {{"send"}, {"receive"}};
    bool ok = true;
    for (int r = 0; r < rounds && ok; ++r) {
        mivo::ParameterTable sent = original;
        ok = line.timed(legs[0], [&](mivo::ProcedureContext& ctx) {
            return mivo::SendParameters(ctx, {sent});
        }) == mivo::Outcome::Completed;
        mivo::ParameterTable table;
        ok = ok && line.timed(legs[1], [&](mivo::ProcedureContext& ctx) {
            return mivo::ReceiveParameters(ctx, {table});
        }) == mivo::Outcome::Completed;
        // Parameter 0 is never sent: the controller keeps its own robot number. An old
        // controller has no parameter 43: the receive empties it.
        for (int n = 1; ok && n < mivo::kEditableParameterCount; ++n) {
            const bool unknown = n == 43 && count == 43;
            if (table.value(n) != (unknown ? std::string() : original.value(n))) {
                std::printf("parameter %d read back differs\n", n);
                ok = false;
            }
        }
    }

    std::printf("%d rounds\n%-8s %9s %9s %10s %10s %10s %7s %14s\n", rounds, "", "bytes out",
                "bytes in", "elapsed s", "drains s", "wire s", "ratio", "without drains");
    double total = 0, drains = 0, wire = 0;
    for (const mivo::bench::Leg& l : legs) {
        const double w = l.wire();
        std::printf("%-8s %9zu %9zu %10.3f %10.3f %10.3f %7.4f %14.4f\n", l.name, l.out, l.in,
                    l.seconds, l.drains, w, l.seconds / w, (l.seconds - l.drains) / w);
        total += l.seconds;
        drains += l.drains;
        wire += w;
    }
    std::printf("%-8s %9s %9s %10.3f %10.3f %10.3f %7.4f %14.4f   (goal: ratio at most 1.03)\n",
                "both", "", "", total, drains, wire, total / wire, (total - drains) / wire);
    for (const mivo::bench::Leg& l : legs) mivo::bench::PrintTurns(l);
    std::printf("parameters 0..43, %s\n", ok ? "read back equal" : "FAILED");
    return ok ? 0 : 1;
}
