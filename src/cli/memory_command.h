#pragma once
// `mivo pallet send FILE | receive NUMBER FILE | init NUMBER` and the same for `offset`: the
// pallet and offset editors' procedures on one pallet or one program's offsets.
#include <iosfwd>
#include <string>
#include <vector>

#include "offsets/offset_data.h"
#include "pallets/pallet_data.h"
#include "procedures/procedure_context.h"

namespace mivo {

class MemoryCommand {
  public:
    // `words`: "pallet" or "offset", the subcommand and its operands.
    explicit MemoryCommand(std::vector<std::string> words);

    // Before the line is opened: checks the operands (kExitUsage with `problem`) and, for
    // send, opens FILE (kExitFailed when it did not complete). kExitCompleted to go on.
    int prepare(Prompter& prompter, std::string& problem);

    // On the line: the procedure; receive writes FILE only when it reached its completion.
    int run(ProcedureContext& ctx);

  private:
    bool pallet() const { return words_[0] == "pallet"; }
    std::vector<std::string> words_;
    PalletData palletData_;
    OffsetData offsetData_;
    std::string file_;
};

}  // namespace mivo
