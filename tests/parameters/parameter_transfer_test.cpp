// Parameter send, receive and initialisation against the simulated controller in process.
#include "parameters/parameter_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

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
    int robot = 31;  // for the initialisation
    ParameterTarget target() {
        return {table, [this] { ++modified; }, {}, [this](int n) { read.push_back(n); }};
    }
};

// The numbers a transfer walks: from `first` below `count`, without 3 and 5.
std::vector<int> Walked(int first, int count) {
    std::vector<int> out;
    for (int n = first; n < count; ++n)
        if (n != 3 && n != 5) out.push_back(n);
    return out;
}

// `head`, then "@WRITE PRM n,value" with the table's values, or "@READ PRM n", for `numbers`.
std::vector<std::string> Commands(std::vector<std::string> head, const std::vector<int>& numbers,
                                  const ParameterTable* writing = nullptr) {
    for (int n : numbers)
        head.push_back(writing ? "@WRITE PRM " + std::to_string(n) + "," + writing->value(n)
                               : "@READ PRM " + std::to_string(n));
    return head;
}

template <class T>
std::vector<T> First(const std::vector<T>& v, std::size_t count) {
    return {v.begin(), v.begin() + static_cast<std::ptrdiff_t>(std::min(count, v.size()))};
}

const Message kAskSend{"ask", "Is parameter sending executed?", "Parameter send"};
const Message kAskReceive{"ask", "Is parameter receiving executed?", "Parameter receive"};
const Message kSent{"notify", "Parameter sending is completed", "Parameter send"};
const Message kReceived{"notify", "Parameter receiving is completed", "Parameter receive"};

TEST(ParameterTransfer, SendWalksTheRowsOfTheControllerVersion) {
    // A bare "OK" to the version query is a new controller.
    for (const auto& [version, count] : {std::pair{"1.03", 43}, std::pair{"OK", 44}}) {
        SCOPED_TRACE(version);
        ParameterRig rig;
        if (std::string(version) == "OK")
            rig.sim.addCommand("@?Ver", [&rig](const std::string&) { rig.sim.reply("OK"); });
        else
            rig.sim.records.versions[0] = version;
        rig.prompter.answers = {true};
        // Odd texts in the table, sent as they stand.
        for (const auto& [n, v] :
             {std::pair{1, "2"}, {4, "-1.5"}, {22, "199.9"}, {40, "1 "}, {43, "1"}})
            rig.table.setValue(n, v);
        const ParameterTable before = rig.table;
        EXPECT_EQ(SendParameters(rig.ctx, rig.target()), Outcome::Completed);
        const std::vector<int> sent = Walked(1, count);
        EXPECT_EQ(rig.sent(), Commands({"@?Ver 0"}, sent, &before));
        for (int n : sent)
            EXPECT_EQ(rig.sim.parameters.values[static_cast<std::size_t>(n)], before.value(n)) << n;
        EXPECT_EQ(rig.sim.parameters.values[0], "22");  // never sent
        EXPECT_EQ(rig.prompter.messages, (std::vector<Message>{kAskSend, kSent}));
        // An old controller does not know parameter 43: its value is emptied on the screen.
        EXPECT_EQ(rig.table.value(43), count == 43 ? "" : "1");
        EXPECT_EQ(rig.view.maximum, count - 1);
        EXPECT_EQ(rig.view.position, sent.back());
        EXPECT_EQ(rig.modified, 0);
        EXPECT_FALSE(rig.view.cancelShown);
        EXPECT_FALSE(rig.view.dataExchange);
    }
}

TEST(ParameterTransfer, ReceiveStoresTheTextsAsTheyCome) {
    for (const char* version : {"1.14", "1.03"}) {
        SCOPED_TRACE(version);
        ParameterRig rig;
        rig.sim.records.versions[0] = version;
        const bool old = std::string(version) == "1.03";
        auto& memory = rig.sim.parameters.values;
        memory[0] = "31";
        memory[22] = "200.0";  // replaces "200.00"
        memory[4] = " 1.5";
        memory[43] = "1";
        memory[3] = "stray";  // a reserved number is never read
        rig.table.setValue(PalletParameter(2, PalletX2), "kept");
        rig.prompter.answers = {true};
        EXPECT_EQ(ReceiveParameters(rig.ctx, rig.target()), Outcome::Completed);
        const std::vector<int> read = Walked(0, old ? 43 : 44);
        EXPECT_EQ(rig.sent(), Commands({"@?Ver 0"}, read));
        EXPECT_EQ(rig.read, read);
        EXPECT_EQ(rig.modified, static_cast<int>(read.size()));
        EXPECT_EQ(rig.table.value(22), "200.0");
        EXPECT_EQ(rig.table.value(4), " 1.5");
        EXPECT_EQ(rig.table.value(3), "");
        EXPECT_EQ(rig.table.value(43), old ? "" : "1");
        EXPECT_EQ(rig.table.value(PalletParameter(2, PalletX2)), "kept");
        // Robot 31's initial values; the values stay as received.
        EXPECT_EQ(rig.table.initial(0), "31");
        EXPECT_EQ(rig.table.initial(6), "100.00");
        EXPECT_EQ(rig.table.initial(16), "6.00");
        EXPECT_EQ(rig.table.value(6), "200.00");
        EXPECT_EQ(rig.prompter.messages, (std::vector<Message>{kAskReceive, kReceived}));
        EXPECT_EQ(rig.view.maximum, old ? 42 : 43);
    }
}

TEST(ParameterInitialize, RobotSetLoadedAndReadBack) {
    for (const auto& [robot, version, count] : {std::tuple{31, "1.14", 44}, {10, "1.03", 43}}) {
        SCOPED_TRACE(std::to_string(robot) + " " + version);
        ParameterRig rig;
        rig.sim.records.versions[0] = version;
        rig.sim.parameters.values[22] = "150.00";  // the robot set replaces it
        rig.table.setValue(43, "1");
        rig.table.setValue(OffsetParameter(0, 0), "3.00");
        EXPECT_EQ(InitializeParameters(rig.ctx, rig.target(), robot), Outcome::Completed);
        const std::vector<int> read = Walked(0, count);
        EXPECT_EQ(rig.sent(), Commands({"@INIT PRM " + std::to_string(robot), "@?Ver 0"}, read));
        EXPECT_EQ(rig.read, read);
        EXPECT_EQ(rig.prompter.messages,
                  (std::vector<Message>{
                      {"notify", "Parameter initialize is completed", "Parameter initialize"}}));
        const RobotSet& set = RobotSetFor(robot);
        for (std::size_t i = 0; i < kRobotDependentParameters.size(); ++i) {
            const int n = kRobotDependentParameters[i];
            EXPECT_EQ(rig.table.initial(n), set.initial[i]) << n;
            EXPECT_EQ(rig.table.value(n), set.initial[i]) << n;
        }
        EXPECT_EQ(rig.table.value(22), "200.00");
        EXPECT_EQ(rig.table.value(43), count == 44 ? "0" : "");
        EXPECT_EQ(rig.table.value(OffsetParameter(0, 0)), "3.00");
        EXPECT_FALSE(rig.view.cancelShown);
    }
}

using Arrange = std::function<void(ParameterRig&)>;

Arrange Version(const std::string& text) {
    return [text](ParameterRig& r) { r.sim.records.versions[0] = text; };
}
Arrange Refuse(int command, const std::string& line) {
    return [=](ParameterRig& r) {
        r.sim.faults.refuse.which = command;
        r.sim.faults.refuseLine = line;
    };
}
Arrange Silent(int command) {
    return [command](ParameterRig& r) { r.sim.faults.silent.which = command; };
}
Arrange Values(const std::vector<std::pair<int, std::string>>& values) {
    return [values](ParameterRig& r) {
        for (const auto& [n, v] : values) r.table.setValue(n, v);
    };
}
Arrange CancelAfter(int progress) {
    return [progress](ParameterRig& r) { r.view.cancelAfterProgress = progress; };
}
// A read of `number` answered by a bare "OK" in place of its value.
Arrange BareOkFor(const std::string& number) {
    return [number](ParameterRig& r) {
        r.sim.addCommand("@READ PRM", [&r, number](const std::string& n) {
            if (n != number) r.sim.reply(r.sim.parameters.values[std::stoul(n)]);
            r.sim.reply("OK");
        });
    };
}

enum Procedure { Send, Receive, Initialize };

// Every way a transfer ends early, and what it leaves: the command lines up to the end, the
// messages after the question, the values read before it, and the rest of the table, initial
// values included, as it was.
TEST(ParameterTransfer, Endings) {
    struct Case {
        const char* name;
        Procedure procedure;
        Arrange arrange;
        Outcome outcome;
        std::size_t commands;  // the first command lines of the whole transfer
        std::size_t read;      // the first values of the whole transfer stored
        std::vector<Message> shown;
    };
    const Message lead{"notify", kLeadSpeedMessage, "Error"};
    const auto error = [](const char* line) { return Message{"error", line, "Error display"}; };
    const auto written = [](const char* n) { return Message{"notify", n, "Sending error"}; };
    const Arrange declined = [](ParameterRig& r) { r.prompter.answers = {false}; };
    // clang-format off
    const std::vector<Case> cases = {
        {"send: version of three characters", Send, Version("1.0"), Outcome::Failed, 1, 0, {error("1.0")}},
        {"send: version of six characters", Send, Version("V1.031"), Outcome::Failed, 1, 0, {error("V1.031")}},
        {"send: version refused", Send, Refuse(1, "23:No unit"), Outcome::Failed, 1, 0, {error("23:No unit")}},
        {"send: no reply to the version", Send, Silent(1), Outcome::Failed, 1, 0, {}},
        {"send: lead 2 refused before any write", Send, Values({{16, "2"}, {33, "71"}}), Outcome::Failed, 1, 0, {lead}},
        {"send: a lead that is no number", Send, Values({{15, "two"}}), Outcome::Failed, 1, 0,
         {{"notify", "'two' is not a valid floating point value", "Parameter send"}}},
        {"send: refused write", Send, Refuse(4, "45:Parameter No. error"), Outcome::Failed, 4, 0,
         {error("45:Parameter No. error"), written("Error occurs! No.4")}},
        {"send: refusal beginning with 31", Send, Refuse(4, "31:Busy"), Outcome::Failed, 4, 0, {error("31:Busy")}},
        {"send: refused write of 42", Send, Refuse(41, "12:Range"), Outcome::Failed, 41, 0,
         {error("12:Range"), written("Error occurs! No.42")}},
        {"send: refusal 310", Send, Refuse(42, "310"), Outcome::Failed, 42, 0, {error("310")}},
        {"send: no reply to a write", Send, Silent(3), Outcome::Failed, 3, 0, {}},
        {"send declined", Send, declined, Outcome::Declined, 0, 0, {}},
        {"send cancelled", Send, CancelAfter(3), Outcome::Interrupted, 4, 0, {{"notify", "Sending is interrupted", "Parameter send"}}},
        {"receive: version of three characters", Receive, Version("1.0"), Outcome::Failed, 1, 0, {error("1.0")}},
        {"receive: version of six characters", Receive, Version("V1.031"), Outcome::Failed, 1, 0, {error("V1.031")}},
        {"receive: version refused", Receive, Refuse(1, "23:No unit"), Outcome::Failed, 1, 0, {error("23:No unit")}},
        {"receive: no reply to the version", Receive, Silent(1), Outcome::Failed, 1, 0, {}},
        {"receive: status reply at the fifth read", Receive, Refuse(6, "45:Parameter No. error"), Outcome::Failed, 6, 4,
         {error("45:Parameter No. error")}},
        {"receive: a bare OK in place of a value", Receive, BareOkFor("2"), Outcome::Failed, 4, 2, {error("OK")}},
        {"receive: no reply to a read", Receive, Silent(3), Outcome::Failed, 3, 1, {}},
        {"receive: robot number no integer", Receive, [](ParameterRig& r) { r.sim.parameters.values[0] = "22.0"; },
         Outcome::Failed, 43, 42, {{"notify", "'22.0' is not a valid integer value", "Parameter receive"}}},
        {"receive declined", Receive, declined, Outcome::Declined, 0, 0, {}},
        {"receive cancelled", Receive, CancelAfter(3), Outcome::Interrupted, 4, 3,
         {{"notify", "Receiving is interrupted", "Parameter receive"}}},
        {"initialise: robot unknown to the controller", Initialize, [](ParameterRig& r) { r.robot = 13; },
         Outcome::Failed, 1, 0, {error("45:Robot No. error")}},
        {"initialise: no reply", Initialize, Silent(1), Outcome::Failed, 1, 0, {}},
        {"initialise: version of six characters", Initialize, Version("V1.031"), Outcome::Failed, 2, 0, {error("V1.031")}},
        {"initialise: read refused", Initialize, Refuse(5, "31:Busy"), Outcome::Failed, 5, 2, {error("31:Busy")}},
        {"initialise cancelled", Initialize, CancelAfter(2), Outcome::Interrupted, 4, 2,
         {{"notify", "Initialize is interrupted", "Parameter initialize"}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterRig rig;
        rig.prompter.answers = {true};
        for (int n = 0; n < kEditableParameterCount; ++n) rig.table.setInitial(n, "old");
        rig.sim.parameters.values[1] = "2";  // a value that differs from the table's
        c.arrange(rig);
        const ParameterTable before = rig.table;
        const std::vector<int> all = Walked(c.procedure == Send ? 1 : 0, kEditableParameterCount);
        std::vector<std::string> commands;
        std::vector<Message> shown;
        if (c.procedure == Send) {
            EXPECT_EQ(SendParameters(rig.ctx, rig.target()), c.outcome);
            commands = Commands({"@?Ver 0"}, all, &before);
            shown = {kAskSend};
        } else if (c.procedure == Receive) {
            EXPECT_EQ(ReceiveParameters(rig.ctx, rig.target()), c.outcome);
            commands = Commands({"@?Ver 0"}, all);
            shown = {kAskReceive};
        } else {
            EXPECT_EQ(InitializeParameters(rig.ctx, rig.target(), rig.robot), c.outcome);
            commands = Commands({"@INIT PRM " + std::to_string(rig.robot), "@?Ver 0"}, all);
        }
        shown.insert(shown.end(), c.shown.begin(), c.shown.end());
        EXPECT_EQ(rig.sent(), First(commands, c.commands));
        EXPECT_EQ(rig.prompter.messages, shown);
        const std::vector<int> read = First(all, c.read);
        EXPECT_EQ(rig.read, read);
        EXPECT_EQ(rig.modified, static_cast<int>(c.read));
        for (int n = 0; n < kParameterCount; ++n) {
            const bool wasRead = std::find(read.begin(), read.end(), n) != read.end();
            const auto& memory = rig.sim.parameters.values[static_cast<std::size_t>(n)];
            EXPECT_EQ(rig.table.value(n), wasRead ? memory : before.value(n)) << n;
        }
        // No initial values for a transfer that stopped; only once every value was read are
        // the robot-independent ones written, before the robot number is read.
        EXPECT_EQ(rig.table.initial(6), "old");
        EXPECT_EQ(rig.table.initial(7), c.read == 42 ? "200.00" : "old");
        EXPECT_FALSE(rig.view.cancelShown);
        EXPECT_FALSE(rig.view.cancelRequested());
    }
}

}  // namespace
}  // namespace mivo
