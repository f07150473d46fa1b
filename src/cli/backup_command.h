#pragma once
// `mivo backup FILE`, `mivo compare FILE [--pallet N | --program N]` and `mivo restore FILE
// [--only PARTS]`: the whole controller in one file, and what differs between a file and the
// controller.
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "backup/backup_data.h"
#include "cli/cli_args.h"
#include "cli/port_operation.h"
#include "procedures/procedure_context.h"

namespace mivo {

// compare: the controller or the file could not be read; restore: the file.
inline constexpr int kExitUnread = 3;

class BackupCommand : public PortOperation {
  public:
    // True for the command words this class runs.
    static bool Runs(const std::vector<std::string>& words);

    // `words`: "backup", "compare" or "restore" and FILE.
    BackupCommand(std::vector<std::string> words, const ParsedArgs& args);

    // Before the line is opened: checks the operands and options (kExitUsage with `problem`);
    // compare and restore read FILE (kExitUnread when it could not, or when it is no backup as
    // a backup writes it). kExitCompleted to go on.
    int prepare(Prompter& prompter, std::string& problem) override;

    // The status of a command that ended without its result (the line not opened, a signal):
    // kExitUnread for compare, kExitFailed for the others.
    int failed() const;

    // compare's notices go to standard error: its standard output holds the differences alone.
    bool noticesOnError() const { return command_ == "compare"; }

    // On the line: backup reads everything and writes FILE only when every read completed;
    // compare prints one line per differing item to `out`, or "No differences" (0 equal,
    // kExitFound differing, kExitUnread);
    // restore sends the chosen parts; one that stopped after sending some says on `err` which
    // and where it stopped.
    int run(ProcedureContext& ctx, std::ostream& out, std::ostream& err) override;
    // True when run said how the command ended: nothing more is to be said.
    bool endSaid() const { return endSaid_; }

  private:
    int prepareCompare(Prompter& prompter, std::string& problem);
    // A pallet or offset file's block, under the number the option or its first line names.
    template <typename Block>
    int takeBlock(const Block& block, const char* option, int count, const char* what,
                  std::map<int, Block>& into, std::string& problem) const;

    std::string command_;
    std::string file_;
    const ParsedArgs& args_;
    ControllerData data_;
    DataParts parts_;
    bool endSaid_ = false;
};

}  // namespace mivo
