// bench_quick_send: a 50-step and a 500-step program (the rest of the 1000 steps empty) sent to
// mivo-sim running with --pace (19200 baud both ways), by Quick send and by Step send over
// 0-999, each read back and compared. Prints the elapsed and wire time of each send. Asserts
// nothing; exits 1 when a send fails or a program read back differs. Goal: a 50-step quick send
// within 1.5 s.
#include <QCoreApplication>
#include <cstdio>

#include "../paced_line.h"
#include "../step_program.h"
#include "../yes_prompter.h"
#include "steps/step_transfer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    mivo::bench::YesPrompter prompter;
    mivo::bench::PacedLine line(prompter, {});
    if (!line.online()) return 1;

    bool ok = true;
    std::printf("%-6s %-6s %9s %9s %10s %10s\n", "steps", "send", "bytes out", "bytes in",
                "elapsed s", "wire s");
    for (const int steps : {50, 500}) {
        const mivo::StepTable original = mivo::bench::Program(steps);
        for (const bool quick : {true, false}) {
            mivo::StepTable table = original;
            mivo::bench::Leg leg{quick ? "quick" : "full"};
            const auto send = [&](mivo::ProcedureContext& ctx) {
                return quick ? mivo::QuickSendSteps(ctx, mivo::StepTarget{table})
                             : mivo::SendSteps(ctx, mivo::StepTarget{table}, "0", "999");
            };
            ok = line.timed(leg, send) == mivo::Outcome::Completed && ok;
            mivo::bench::Leg back{"receive"};
            table.clear();
            ok = line.timed(back,
                            [&](mivo::ProcedureContext& ctx) {
                                return mivo::ReceiveSteps(ctx, mivo::StepTarget{table}, "0",
                                                          std::to_string(steps - 1));
                            }) == mivo::Outcome::Completed &&
                 ok;
            for (int s = 0; s < steps; ++s)
                if (table[s] != original[s]) {
                    std::printf("step %d read back differs\n", s);
                    ok = false;
                    break;
                }
            std::printf("%-6d %-6s %9zu %9zu %10.3f %10.3f\n", steps, leg.name, leg.out, leg.in,
                        leg.seconds, leg.wire());
        }
    }
    std::printf("%s   (goal: 50 steps by quick send within 1.5 s)\n",
                ok ? "read back equal" : "FAILED");
    return ok ? 0 : 1;
}
