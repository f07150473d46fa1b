// `mivo params send FILE`, `params receive FILE` and `params init ROBOT [FILE]`: the parameter
// editor's procedures on a table that starts at robot 22's values.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/convert_command.h"
#include "cli/port_operation.h"
#include "common/said_text.h"
#include "parameters/parameter_catalogue.h"
#include "parameters/parameter_files.h"
#include "parameters/parameter_initialize.h"
#include "parameters/parameter_table.h"
#include "parameters/parameter_transfer.h"
#include "procedures/procedure_context.h"

namespace mivo {

class ParamsCommand : public PortOperation {
  public:
    // `words`: "params", the subcommand and its operands.
    explicit ParamsCommand(std::vector<std::string> words);

    // Before the line is opened: checks the operands (a usage error says why in `problem` and
    // gives kExitUsage) and, for send, opens FILE (kExitFailed when it did not complete).
    // kExitCompleted to go on.
    int prepare(Prompter& prompter, std::string& problem) override;

    // On the line: the procedure, then for receive and init the file, written only when the
    // procedure completed. Init asks its question first and prints the values read back to
    // `out` as "n: value".
    int run(ProcedureContext& ctx, std::ostream& out, std::ostream& err) override;

  private:
    std::vector<std::string> words_;
    ParameterTable table_;
    int robot_ = 0;
    std::string file_;
};

namespace {

// The robot number as the initialisation dialog's list offers it: two digits, one of its nine.
int RobotOperand(const std::string& text) {
    for (const RobotSet& set : RobotSets())
        if (text == std::to_string(set.robotNumber)) return set.robotNumber;
    return -1;
}

bool Save(const ParameterTable& table, const std::string& file, Prompter& prompter) {
    return SaveParameterFile(table, file, SaveFilterForPath(ParameterFileKind(), file), prompter);
}

}  // namespace

ParamsCommand::ParamsCommand(std::vector<std::string> words) : words_(std::move(words)) {}

int ParamsCommand::prepare(Prompter& prompter, std::string& problem) {
    const std::size_t n = words_.size();
    const std::string sub = n >= 2 ? words_[1] : "";
    if ((sub == "send" || sub == "receive") && n == 3) {
        file_ = words_[2];
    } else if (sub == "init" && (n == 3 || n == 4)) {
        robot_ = RobotOperand(words_[2]);
        if (robot_ < 0) {
            problem = Filled(
                UI_TEXT("Message", "ROBOT is one of 10, 11, 12, 20, 21, 22, 30, 31, 32, not %1"),
                {words_[2]});
            return kExitUsage;
        }
        if (n == 4) file_ = words_[3];
    } else {
        problem = UI_TEXT("Message", "params wants send FILE, receive FILE or init ROBOT [FILE]");
        return kExitUsage;
    }
    if (sub != "send") return kExitCompleted;
    // A ZEB file is imported onto robot 22's values, as the editor's open would.
    return OpenParameterFile(table_, file_, OpenFilterForPath(ParameterFileKind(), file_),
                             prompter) == OpenOutcome::Completed
               ? kExitCompleted
               : kExitFailed;
}

int ParamsCommand::run(ProcedureContext& ctx, std::ostream& out, std::ostream&) {
    const std::string& sub = words_[1];
    if (sub == "send")
        return SendParameters(ctx, {table_}) == Outcome::Completed ? kExitCompleted : kExitFailed;
    if (sub == "receive") {
        if (ReceiveParameters(ctx, {table_}) != Outcome::Completed) return kExitFailed;
        return Save(table_, file_, ctx.prompter) ? kExitCompleted : kExitFailed;
    }
    if (!ctx.prompter.ask(kRobotQuestion, kInitCaption)) return kExitFailed;
    std::vector<int> read;
    const ParameterTarget target{table_, {}, {}, [&read](int number) { read.push_back(number); }};
    if (InitializeParameters(ctx, target, robot_) != Outcome::Completed) return kExitFailed;
    for (int number : read) out << number << ": " << table_.value(number) << '\n';
    out.flush();
    if (!file_.empty() && !Save(table_, file_, ctx.prompter)) return kExitFailed;
    return kExitCompleted;
}

std::unique_ptr<PortOperation> MakeParamsCommand(std::vector<std::string> words) {
    return std::make_unique<ParamsCommand>(std::move(words));
}

}  // namespace mivo
