#pragma once
// `mivo pallet send FILE | receive NUMBER FILE | init NUMBER` and the same for `offset`: the
// pallet and offset editors' transfer on one pallet or one program's offsets.
#include <memory>
#include <string>
#include <vector>

#include "cli/kind_document.h"
#include "procedures/memory_kind.h"
#include "procedures/procedure_context.h"

namespace mivo {

class MemoryCommand {
  public:
    // `words`: "pallet" or "offset", the subcommand and its operands.
    explicit MemoryCommand(std::vector<std::string> words);

    // Before the line is opened: checks the operands (kExitUsage with `problem`) and, for
    // send, opens FILE (kExitFailed when it did not complete). kExitCompleted to go on.
    int prepare(Prompter& prompter, std::string& problem);

    // On the line: the transfer; receive writes FILE only when it reached its completion.
    int run(ProcedureContext& ctx);

  private:
    std::vector<std::string> words_;
    DataKind kind_;
    MemoryOperation operation_ = MemoryOperation::Send;
    std::unique_ptr<KindDocument> document_;
    std::string file_;
};

}  // namespace mivo
