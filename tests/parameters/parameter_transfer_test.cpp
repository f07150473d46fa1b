// Parameter send, receive and initialisation against the simulated controller in process.
#include "parameters/parameter_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "parameters/parameter_initialize.h"
#include "parameters/parameter_rules.h"
#include "support/procedure_rig.h"

namespace mivo {
namespace {

using test::Message;

// The procedure rig with a parameter table target that counts ParameterModified and records
// the numbers read in their order.
struct ParameterRig : test::Rig {
    ParameterTable table;
    int modified = 0;
    std::vector<int> read;
    ParameterTarget target() {
        return {table, [this] { ++modified; }, {}, [this](int n) { read.push_back(n); }};
    }
};

template <class T>
std::vector<T> First(const std::vector<T>& v, std::size_t count) {
    return {v.begin(), v.begin() + static_cast<std::ptrdiff_t>(count)};
}

enum Procedure { Send, Receive, Initialize };

// What a case changes before the run: the controller's version and faults (commands counted
// from 1), the answer to the question, Cancel after some progress steps, the robot initialised,
// values in the table, and anything else.
struct Arrange {
    std::string version = {};
    int refuse = 0;
    std::string line = {};
    int silent = 0;
    bool yes = true;
    int cancelAfter = -1;
    int robot = 31;
    std::vector<std::pair<int, std::string>> values = {};
    std::function<void(ParameterRig&)> other = {};
};

// Every way a transfer ends, and what it leaves: the command lines sent, the messages after the
// question, the values read (stored as they came) and the rest of the table as it was; the
// initial values follow the robot number only after a whole read.
TEST(ParameterTransfer, Cases) {
    // The procedure, its arrangement and outcome, how many of the whole transfer's command lines
    // were sent and of its values stored, and the messages after the question.
    using Case = std::tuple<const char*, Procedure, Arrange, Outcome, std::size_t, std::size_t,
                            std::vector<Message>>;
    const Message lead{"notify", kLeadSpeedMessage, "Error"};
    const auto error = [](const char* line) { return Message{"error", line, "Error display"}; };
    const auto written = [](const char* n) { return Message{"notify", n, "Sending error"}; };
    // A bare "OK" to the version: a new controller.
    const auto bareOk = [](ParameterRig& r) {
        r.sim.addCommand("@?Ver", [&r](const std::string&) { r.sim.reply("OK"); });
    };
    // The read of parameter 2 answered by a bare "OK" in place of its value.
    const auto bareOkFor2 = [](ParameterRig& r) {
        r.sim.addCommand("@READ PRM", [&r](const std::string& n) {
            if (n != "2") r.sim.reply(r.sim.parameters.values[std::stoul(n)]);
            r.sim.reply("OK");
        });
    };
    const auto robotNumberNoInteger = [](ParameterRig& r) { r.sim.parameters.values[0] = "22.0"; };
    const Outcome completed = Outcome::Completed, failed = Outcome::Failed;
    const Outcome interrupted = Outcome::Interrupted;
    // clang-format off
    const std::vector<Case> cases = {
        // An old controller does not know parameter 43: it is not walked.
        {"send, old controller", Send, {.version = "1.03"}, completed, 41, 0, {{"notify", "Parameter sending is completed", "Parameter send"}}},
        {"send, new controller", Send, {.other = bareOk}, completed, 42, 0, {{"notify", "Parameter sending is completed", "Parameter send"}}},
        {"receive, old controller", Receive, {.version = "1.03"}, completed, 42, 41, {{"notify", "Parameter receiving is completed", "Parameter receive"}}},
        {"initialise robot 31", Initialize, {.version = "1.14"}, completed, 44, 42, {{"notify", "Parameter initialize is completed", "Parameter initialize"}}},
        {"send: version of three characters", Send, {.version = "1.0"}, failed, 1, 0, {error("1.0")}},
        {"send: version of six characters", Send, {.version = "V1.031"}, failed, 1, 0, {error("V1.031")}},
        {"send: version refused", Send, {.refuse = 1, .line = "23:No unit"}, failed, 1, 0, {error("23:No unit")}},
        {"send: no reply to the version", Send, {.silent = 1}, failed, 1, 0, {}},
        {"send: lead 2 refused before any write", Send, {.values = {{16, "2"}, {33, "71"}}}, failed, 1, 0, {lead}},
        {"send: refused write", Send, {.refuse = 4, .line = "45:Parameter No. error"}, failed, 4, 0, {error("45:Parameter No. error"), written("Error occurs! No.4")}},
        {"send: refusal beginning with 31", Send, {.refuse = 4, .line = "31:Busy"}, failed, 4, 0, {error("31:Busy")}},
        {"send: no reply to a write", Send, {.silent = 3}, failed, 3, 0, {}},
        {"send declined", Send, {.yes = false}, Outcome::Declined, 0, 0, {}},
        {"send cancelled", Send, {.cancelAfter = 3}, interrupted, 4, 0, {{"notify", "Sending is interrupted", "Parameter send"}}},
        {"receive: status reply at the fifth read", Receive, {.refuse = 6, .line = "45:Parameter No. error"}, failed, 6, 4, {error("45:Parameter No. error")}},
        {"receive: a bare OK in place of a value", Receive, {.other = bareOkFor2}, failed, 4, 2, {error("OK")}},
        {"receive: robot number no integer", Receive, {.other = robotNumberNoInteger}, failed, 43, 42, {{"notify", "'22.0' is not a valid integer value", "Parameter receive"}}},
        {"receive cancelled", Receive, {.cancelAfter = 3}, interrupted, 4, 3, {{"notify", "Receiving is interrupted", "Parameter receive"}}},
        {"initialise: robot unknown to the controller", Initialize, {.robot = 13}, failed, 1, 0, {error("45:Robot No. error")}},
        {"initialise: no reply", Initialize, {.silent = 1}, failed, 1, 0, {}},
        {"initialise cancelled", Initialize, {.cancelAfter = 2}, interrupted, 4, 2, {{"notify", "Initialize is interrupted", "Parameter initialize"}}},
    };
    // clang-format on
    for (const auto& [name, procedure, a, expected, commandCount, readCount, after] : cases) {
        SCOPED_TRACE(name);
        ParameterRig rig;
        // Odd texts on both sides; 3 is reserved and never walked.
        for (const auto& [n, v] :
             {std::pair{1, "2"}, {4, "-1.5"}, {22, "199.9"}, {40, "1 "}, {43, "1"}})
            rig.table.setValue(n, v);
        for (int n = 0; n < kEditableParameterCount; ++n) rig.table.setInitial(n, "old");
        rig.table.setValue(PalletParameter(2, PalletX2), "kept");
        auto& memory = rig.sim.parameters.values;
        for (const auto& [n, v] : {std::pair{0, "31"}, {3, "stray"}, {4, " 1.5"}, {22, "200.0"}})
            memory[static_cast<std::size_t>(n)] = v;
        if (!a.version.empty()) rig.sim.records.versions[0] = a.version;
        rig.sim.faults.refuse.which = a.refuse;
        rig.sim.faults.refuseLine = a.line;
        rig.sim.faults.silent.which = a.silent;
        rig.prompter.answers = {a.yes};
        rig.view.cancelAfterProgress = a.cancelAfter;
        for (const auto& [n, v] : a.values) rig.table.setValue(n, v);
        if (a.other) a.other(rig);
        const ParameterTable before = rig.table;
        // The whole transfer on a new controller: the question, the version query (after
        // "@INIT PRM r"), then each number from 1 for a send, else from 0, without 3 and 5,
        // written with the table's text or read.
        Outcome outcome = Outcome::Failed;
        std::vector<Message> shown;
        std::vector<std::string> commands = {"@?Ver 0"};
        if (procedure == Send) {
            outcome = SendParameters(rig.ctx, rig.target());
            shown = {{"ask", "Is parameter sending executed?", "Parameter send"}};
        } else if (procedure == Receive) {
            outcome = ReceiveParameters(rig.ctx, rig.target());
            shown = {{"ask", "Is parameter receiving executed?", "Parameter receive"}};
        } else {
            outcome = InitializeParameters(rig.ctx, rig.target(), a.robot);
            commands.insert(commands.begin(), "@INIT PRM " + std::to_string(a.robot));
        }
        std::vector<int> walked;
        for (int n = procedure == Send ? 1 : 0; n < kEditableParameterCount; ++n) {
            if (n == 3 || n == 5) continue;
            walked.push_back(n);
            commands.push_back(procedure == Send
                                   ? "@WRITE PRM " + std::to_string(n) + "," + before.value(n)
                                   : "@READ PRM " + std::to_string(n));
        }
        EXPECT_EQ(outcome, expected);
        EXPECT_EQ(rig.sent(), First(commands, commandCount));
        shown.insert(shown.end(), after.begin(), after.end());
        EXPECT_EQ(rig.prompter.messages, shown);
        const std::vector<int> read = First(walked, readCount);
        EXPECT_EQ(rig.read, read);
        EXPECT_EQ(rig.modified, static_cast<int>(readCount));
        const bool done = expected == completed;
        const bool old = done && commandCount < commands.size();
        // A whole send wrote the table's texts as they stand.
        const std::vector<int> written =
            done && procedure == Send ? First(walked, commandCount - 1) : std::vector<int>{};
        for (int n = 0; n < kParameterCount; ++n) {
            const auto& stored = memory[static_cast<std::size_t>(n)];
            if (std::count(written.begin(), written.end(), n)) {
                EXPECT_EQ(stored, before.value(n)) << n;
            }
            // After a whole transfer with an old controller, 43 is emptied on the screen.
            const bool wasRead = std::count(read.begin(), read.end(), n) > 0;
            EXPECT_EQ(rig.table.value(n), old && n == 43 ? std::string()
                                          : wasRead      ? stored
                                                         : before.value(n))
                << n;
        }
        // Robot-dependent initial values follow the robot read (31, or the one initialised);
        // the independent ones are written once every value was read, the robot number even
        // when it is no integer.
        const bool followed = done && procedure != Send;
        for (std::size_t i = 0; i < kRobotDependentParameters.size(); ++i) {
            EXPECT_EQ(rig.table.initial(kRobotDependentParameters[i]),
                      followed ? RobotSetFor(a.robot).initial[i] : "old")
                << kRobotDependentParameters[i];
        }
        EXPECT_EQ(rig.table.initial(7), followed || readCount == 42 ? "200.00" : "old");
        if (done && procedure != Initialize) {
            EXPECT_EQ(rig.view.maximum, old ? 42 : 43);
            EXPECT_EQ(rig.view.position, walked[commandCount - 2]);
        }
        EXPECT_FALSE(rig.view.cancelShown);
        EXPECT_FALSE(rig.view.cancelRequested());
        EXPECT_FALSE(rig.view.dataExchange);
    }
}

}  // namespace
}  // namespace mivo
