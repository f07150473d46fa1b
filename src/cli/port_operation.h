#pragma once
// What a port command does, as `mivo` runs it: its checks before the line is opened, then its
// work on the line.
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "procedures/procedure_context.h"

namespace mivo {

class Prompter;

class PortOperation {
  public:
    virtual ~PortOperation() = default;
    // Before the line is opened: checks the operands (kExitUsage with `problem`) and reads what
    // it sends (another exit status when that did not complete). kExitCompleted to go on.
    virtual int prepare(Prompter& prompter, std::string& problem) = 0;
    // On the line: its exit status. Results go to `out`, what went wrong to `err`.
    virtual int run(ProcedureContext& ctx, std::ostream& out, std::ostream& err) = 0;
};

// `mivo params send FILE | receive FILE | init ROBOT [FILE]`; `words` from "params" on.
std::unique_ptr<PortOperation> MakeParamsCommand(std::vector<std::string> words);
// `mivo pallet|offset send FILE | receive NUMBER FILE | init NUMBER`; `words` from "pallet" or
// "offset" on.
std::unique_ptr<PortOperation> MakeMemoryCommand(std::vector<std::string> words);

}  // namespace mivo
