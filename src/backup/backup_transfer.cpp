#include "backup/backup_transfer.h"

#include "backup/backup_archive.h"
#include "offsets/offset_transfer.h"
#include "pallets/pallet_transfer.h"
#include "parameters/parameter_transfer.h"
#include "procedures/program_control.h"
#include "procedures/quiet_reads.h"
#include "procedures/transfer_session.h"
#include "steps/step_transfer.h"

namespace mivo {

namespace {

// Runs each part in turn until one does not complete.
class Parts {
  public:
    template <class Part>
    Parts& then(Part part) {
        if (outcome_ == Outcome::Completed) outcome_ = part();
        return *this;
    }
    Outcome outcome() const { return outcome_; }

  private:
    Outcome outcome_ = Outcome::Completed;
};

const char* const kRestoreCaption = "Restore";

}  // namespace

Outcome ReadController(ProcedureContext& ctx, const DataParts& parts, ControllerData& data) {
    data = {};
    QuietReads reads(ctx, [&](const std::string& number) {
        data.program = number;
        if (ctx.showProgramNo) ctx.showProgramNo(number);
    });
    if (parts.steps) {
        reads.then([&](ProcedureContext& read) {
            return ReceiveSteps(read, {data.steps.emplace()}, "0", "999");
        });
        if (reads.outcome() != Outcome::Completed) return reads.outcome();
        if (ProgramIndex(data.program) < 0) {
            ctx.prompter.notify("Check PGM No.", "Step receive");
            return Outcome::Failed;
        }
    }
    if (parts.parameters)
        reads.then([&](ProcedureContext& read) {
            return ReceiveParameters(read, {data.parameters.emplace()});
        });
    for (const int n : parts.pallets)
        reads.then([&](ProcedureContext& read) {
            PalletData& pallet = data.pallets[n];
            pallet.number = std::to_string(n);
            return TransferPallet(read, MemoryOperation::Receive, {pallet});
        });
    for (const int p : parts.offsets)
        reads.then([&](ProcedureContext& read) {
            OffsetData& offsets = data.offsets[p];
            offsets.program = std::to_string(p);
            return TransferOffsets(read, MemoryOperation::Receive, {offsets});
        });
    return reads.outcome();
}

Outcome BackupController(ProcedureContext& ctx, const std::string& path) {
    ControllerData data;
    const Outcome read = ReadController(ctx, AllParts(), data);
    if (read != Outcome::Completed) return read;
    return SaveBackup(data, path, ctx.prompter) ? Outcome::Completed : Outcome::Failed;
}

Outcome RestoreData(ProcedureContext& ctx, ControllerData& data, const DataParts& parts) {
    Parts run;
    if (parts.steps) {
        run.then([&] {
            TransferSession session(ctx, SessionKind::DataExchange);
            const ProgramNo pgm = QueryProgramNo(ctx);
            if (!pgm.ok) return Outcome::Failed;
            if (pgm.number == data.program) return Outcome::Completed;
            ctx.prompter.notify("The backup is of PGM" + data.program +
                                    ", the controller's current program is PGM" + pgm.number +
                                    ". Nothing was sent.",
                                kRestoreCaption);
            return Outcome::Failed;
        });
        run.then([&] { return QuickSendSteps(ctx, {*data.steps}); });
    }
    if (parts.parameters) run.then([&] { return SendParameters(ctx, {*data.parameters}); });
    for (const int n : parts.pallets)
        run.then([&] { return TransferPallet(ctx, MemoryOperation::Send, {data.pallets.at(n)}); });
    for (const int p : parts.offsets)
        run.then([&] { return TransferOffsets(ctx, MemoryOperation::Send, {data.offsets.at(p)}); });
    return run.outcome();
}

}  // namespace mivo
