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
#include "procedures/prompter.h"
#include "steps/step_table.h"
#include "steps/step_transfer.h"

namespace {

class YesPrompter : public mivo::Prompter {
  public:
    bool ask(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
    void notify(const std::string& text, const std::string& caption) override {
        std::printf("  %s: %s\n", caption.c_str(), text.c_str());
    }
    void showControllerError(const std::string& line) override {
        std::printf("  Error display: %s\n", line.c_str());
    }
};

void Set(mivo::StepTable& t, int s, std::vector<std::string> fields) {
    for (std::size_t f = 0; f < fields.size(); ++f) t[s][static_cast<int>(f)] = fields[f];
}

// Moves, lines, pallets, sequences, circles (as the controller keeps them: Operation "101")
// and a few empty steps, ending with END.
mivo::StepTable Program(int steps) {
    mivo::StepTable t;
    for (int s = 0; s < steps; ++s) {
        const std::string a = std::to_string(s % 400) + "." + std::to_string(10 + s % 90);
        switch (s % 10) {
            case 0:
            case 4:
                Set(t, s, {"POI", "000", a, "250.00", "-12.50", "90.00"});
                break;
            case 1:
            case 5:
                Set(t, s, {"LIN", "105", "100.00", a, "30.00", "0.00"});
                break;
            case 2:
                Set(t, s, {"SEQ", "210", "", "", "", "", std::to_string(s)});
                break;
            case 3:
                Set(t, s, {"PAL", "301", a, "0.00", "5.00", "180.00"});
                break;
            case 6:
                if (s + 1 < steps) {
                    Set(t, s, {"CIR", "101", "10.00", a, "5.00"});
                    Set(t, s + 1, {"CIR", "101", "30.00", "40.00", "50.00", "60.00"});
                    ++s;
                }
                break;
            default:
                break;
        }
    }
    Set(t, steps - 1, {"END", "000"});
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int steps = mivo::kStepCount;
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args[i] == "--steps") steps = std::clamp(args[i + 1].toInt(), 2, mivo::kStepCount);

    YesPrompter prompter;
    mivo::bench::PacedLine line(prompter, {});
    if (!line.online()) return 1;

    const mivo::StepTable original = Program(steps);
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
    std::printf("steps 0..%s, %s\n", last.c_str(), ok ? "read back equal" : "FAILED");
    return ok ? 0 : 1;
}
