#pragma once
// `mivo params send FILE`, `params receive FILE` and `params init ROBOT [FILE]`: the parameter
// editor's procedures on a table that starts at robot 22's values.
#include <iosfwd>
#include <string>
#include <vector>

#include "parameters/parameter_table.h"
#include "procedures/procedure_context.h"

namespace mivo {

class ParamsCommand {
  public:
    // `words`: "params", the subcommand and its operands.
    explicit ParamsCommand(std::vector<std::string> words);

    // Before the line is opened: checks the operands (a usage error says why in `problem` and
    // gives kExitUsage) and, for send, opens FILE (kExitFailed when it did not complete).
    // kExitCompleted to go on.
    int prepare(Prompter& prompter, std::string& problem);

    // On the line: the procedure, then for receive and init the file, written only when the
    // procedure completed. Init asks its question first and prints the values read back to
    // `out` as "n: value".
    int run(ProcedureContext& ctx, std::ostream& out);

  private:
    std::vector<std::string> words_;
    ParameterTable table_;
    int robot_ = 0;
    std::string file_;
};

}  // namespace mivo
