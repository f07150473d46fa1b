// bench_backup: a 1000-step program sent to mivo-sim running with --pace (19200 baud both ways),
// then the whole controller backed up into a file: the steps, the parameters, 20 pallets and the
// offsets of six programs, read by their receives and written as one archive. Prints the
// elapsed time against the wire time of the bytes read, and the time the line's drains took.
// Asserts nothing; exits 1 when a transfer fails or the backup read back differs from the
// program. Goal: the backup within 1.05 x the wire time of its reads.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "../paced_line.h"
#include "../step_program.h"
#include "../yes_prompter.h"
#include "backup/backup_archive.h"
#include "backup/backup_transfer.h"
#include "steps/step_transfer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    mivo::bench::YesPrompter prompter;
    mivo::bench::PacedLine line(prompter, {});
    if (!line.online()) return 1;

    mivo::StepTable program = mivo::bench::Program(1000);
    mivo::bench::Leg send{"quick send"};
    bool ok = line.timed(send, [&](mivo::ProcedureContext& ctx) {
        return mivo::QuickSendSteps(ctx, mivo::StepTarget{program});
    }) == mivo::Outcome::Completed;

    QTemporaryDir dir;
    const std::string path = dir.filePath("backup.zip").toStdString();
    mivo::bench::Leg backup{"backup"};
    ok = ok && line.timed(backup, [&](mivo::ProcedureContext& ctx) {
        return mivo::BackupController(ctx, path);
    }) == mivo::Outcome::Completed;
    mivo::ControllerData read;
    ok = ok && mivo::OpenBackup(path, read, prompter) && read.steps && *read.steps == program;

    std::printf("%-8s %9s %9s %10s %10s %10s %7s\n", "leg", "bytes out", "bytes in", "elapsed s",
                "wire s", "drains s", "ratio");
    std::printf("%-8s %9zu %9zu %10.3f %10.3f %10.3f %7.3f\n", backup.name, backup.out, backup.in,
                backup.seconds, backup.wire(), backup.drains, backup.seconds / backup.wire());
    std::printf("%s   (goal: the backup within 1.05 x the wire time of its reads)\n",
                ok ? "backup read back equal" : "FAILED");
    return ok ? 0 : 1;
}
