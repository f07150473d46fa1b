#include "backup/backup_transfer.h"

#include <functional>
#include <vector>

#include "backup/backup_archive.h"
#include "offsets/offset_transfer.h"
#include "pallets/pallet_transfer.h"
#include "parameters/parameter_transfer.h"
#include "procedures/program_control.h"
#include "procedures/transfer_session.h"
#include "steps/step_transfer.h"

namespace mivo {

namespace {

// The receives' side of the user: their questions answered Yes, their messages held until the
// receive ends, then shown only when it did not complete (a completed one has said no more
// than its completion).
class ReadPrompter : public Prompter {
  public:
    explicit ReadPrompter(Prompter& inner) : inner_(inner) {}
    bool ask(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override {
        return inner_.askYesNoCancel(text, caption);
    }
    void notify(const std::string& text, const std::string& caption) override {
        held_.push_back([=](Prompter& p) { p.notify(text, caption); });
    }
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override {
        held_.push_back([=](Prompter& p) { p.notifyDetail(text, caption, detail); });
    }
    void showControllerError(const std::string& line) override {
        held_.push_back([=](Prompter& p) { p.showControllerError(line); });
    }
    Outcome ended(Outcome outcome) {
        if (outcome != Outcome::Completed)
            for (const auto& message : held_) message(inner_);
        held_.clear();
        return outcome;
    }

  private:
    Prompter& inner_;
    std::vector<std::function<void(Prompter&)>> held_;
};

// The channel of a read of many parts. Each receive drains the line as its session starts, which
// takes the line's quiet time. After a receive that completed, every reply it asked for has come
// (each value with its trailing line), so the next receive's starting drain is passed over: a
// line that came unasked would not fit the next reply's shape and would end the read, said. Every
// other drain (the one after the version query) is made.
class SettledChannel : public Channel {
  public:
    explicit SettledChannel(Channel& inner) : inner_(inner) {}
    std::string request(const std::string& command) override {
        settled_ = false;
        return inner_.request(command);
    }
    std::string next() override {
        settled_ = false;
        return inner_.next();
    }
    void drain() override {
        if (!settled_) inner_.drain();
        settled_ = false;
    }
    // A receive completed: the line holds nothing more for it.
    void settle() { settled_ = true; }

  private:
    Channel& inner_;
    bool settled_ = false;
};

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
    ReadPrompter prompter(ctx.prompter);
    SettledChannel channel(ctx.channel);
    ProcedureContext read{channel,
                          prompter,
                          ctx.view,
                          ctx.log,
                          [&](const std::string& number) {
                              data.program = number;
                              if (ctx.showProgramNo) ctx.showProgramNo(number);
                          },
                          ctx.unseenTrailing};
    // A receive's end: its messages held or shown, the line settled after a completed one.
    const auto ended = [&](Outcome outcome) {
        if (prompter.ended(outcome) == Outcome::Completed) channel.settle();
        return outcome;
    };
    Parts run;
    if (parts.steps)
        run.then([&] {
            const Outcome received = ended(ReceiveSteps(read, {data.steps.emplace()}, "0", "999"));
            if (received != Outcome::Completed || ProgramIndex(data.program) >= 0) return received;
            ctx.prompter.notify("Check PGM No.", "Step receive");
            return Outcome::Failed;
        });
    if (parts.parameters)
        run.then([&] { return ended(ReceiveParameters(read, {data.parameters.emplace()})); });
    for (const int n : parts.pallets)
        run.then([&] {
            PalletData& pallet = data.pallets[n];
            pallet.number = std::to_string(n);
            return ended(TransferPallet(read, MemoryOperation::Receive, {pallet}));
        });
    for (const int p : parts.offsets)
        run.then([&] {
            OffsetData& offsets = data.offsets[p];
            offsets.program = std::to_string(p);
            return ended(TransferOffsets(read, MemoryOperation::Receive, {offsets}));
        });
    return run.outcome();
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
