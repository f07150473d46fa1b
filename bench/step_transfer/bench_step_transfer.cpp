// bench_step_transfer: sends a full 1000-step program (mixed commands, some circles) to mivo-sim
// running as a child process with --pace (19200 baud, 11 bits a byte, both directions), then
// receives it back, with the very procedures of the step editor. Prints the elapsed time of
// each, the wire time of the bytes exchanged in both directions and their ratio. Asserts
// nothing; exits 1 when a transfer fails or the program read back differs.
// Options: --steps N (the range 0..N-1, default 1000).
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../paced_line.h"
#include "../step_program.h"
#include "../yes_prompter.h"
#include "common/prompter.h"
#include "steps/step_table.h"
#include "steps/step_transfer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int steps = mivo::kStepCount;
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args[i] == "--steps") steps = std::clamp(args[i + 1].toInt(), 2, mivo::kStepCount);

    mivo::bench::YesPrompter prompter(true);
    mivo::bench::PacedLine line(prompter, {});
    if (!line.online()) return 1;

    const mivo::StepTable original = mivo::bench::Program(steps);
    mivo::StepTable table = original;
    const std::string last = std::to_string(steps - 1);
    const auto send = [&](mivo::ProcedureContext& ctx) {
        return mivo::SendSteps(ctx, mivo::StepTarget{table}, "0", last);
    };
    const auto receive = [&](mivo::ProcedureContext& ctx) {
        table.clear();
        return mivo::ReceiveSteps(ctx, mivo::StepTarget{table}, "0", last);
    };
    mivo::bench::Leg legs[] = {{"send"}, {"receive"}};
    bool ok = line.timed(legs[0], send) == mivo::Outcome::Completed;
    ok = line.timed(legs[1], receive) == mivo::Outcome::Completed && ok;
    for (int s = 0; s < steps; ++s) {
        if (table[s] != original[s]) {
            std::printf("step %d read back differs\n", s);
            ok = false;
            break;
        }
    }

    double total = 0, wire = 0;
    std::printf("%-8s %9s %9s %10s %10s %7s\n", "", "bytes out", "bytes in", "elapsed s", "wire s",
                "ratio");
    for (const mivo::bench::Leg& l : legs) {
        const double w = l.wire();
        std::printf("%-8s %9zu %9zu %10.3f %10.3f %7.4f\n", l.name, l.out, l.in, l.seconds, w,
                    l.seconds / w);
        total += l.seconds;
        wire += w;
    }
    std::printf("%-8s %9s %9s %10.3f %10.3f %7.4f   (goal: ratio at most 1.03)\n", "both", "", "",
                total, wire, total / wire);
    for (const mivo::bench::Leg& l : legs) mivo::bench::PrintTurns(l);
    std::printf("steps 0..%s, %s\n", last.c_str(), ok ? "read back equal" : "FAILED");
    return ok ? 0 : 1;
}
