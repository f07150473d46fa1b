// Parameter send and receive against the simulated controller in process.
#include "parameters/parameter_transfer.h"

#include <gtest/gtest.h>

#include "parameter_rig.h"
#include "parameters/parameter_rules.h"

namespace mivo {
namespace {

using test::Joined;
using test::Message;
using test::ParameterRig;
using test::Reads;
using test::Walked;

const Message kAskSend{"ask", "Is parameter sending executed?", "Parameter send"};
const Message kAskReceive{"ask", "Is parameter receiving executed?", "Parameter receive"};
const Message kSent{"notify", "Parameter sending is completed", "Parameter send"};
const Message kReceived{"notify", "Parameter receiving is completed", "Parameter receive"};

// The version the controller gives: the sim's own unit version, or a bare "OK".
void SetVersion(ParameterRig& rig, const std::string& version) {
    if (version != "OK") {
        rig.sim.records.versions[0] = version;
        return;
    }
    rig.sim.addCommand("@?Ver", [&rig](const std::string&) { rig.sim.reply("OK"); });
}

// Odd texts in the table, sent as they stand.
void OddValues(ParameterTable& t) {
    t.setValue(1, "2");
    t.setValue(4, "-1.5");
    t.setValue(22, "199.9");
    t.setValue(40, "1 ");
    t.setValue(43, "1");
}

TEST(ParameterTransfer, SendWalksTheRowsOfTheControllerVersion) {
    struct Case {
        const char* version;
        int count;
    } cases[] = {{"1.03", 43}, {"1.10", 43},  {"1.00", 43}, {"1.14", 44},
                 {"OK", 44},   {"V1.20", 44}, {"1.02", 44}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        ParameterRig rig;
        SetVersion(rig, c.version);
        rig.prompter.answers = {true};
        OddValues(rig.table);
        const ParameterTable before = rig.table;
        EXPECT_EQ(SendParameters(rig.ctx, rig.target()), Outcome::Completed);
        const std::vector<int> sent = Walked(1, c.count);
        EXPECT_EQ(rig.sent(), Joined(std::vector<std::string>{"@?Ver 0"}, rig.writes(sent)));
        for (int n : sent)
            EXPECT_EQ(rig.sim.parameters.values[static_cast<std::size_t>(n)], before.value(n)) << n;
        EXPECT_EQ(rig.sim.parameters.values[0], "22");  // never sent
        EXPECT_EQ(rig.prompter.messages, (std::vector<Message>{kAskSend, kSent}));
        // An old controller does not know parameter 43: its value is emptied on the screen.
        EXPECT_EQ(rig.table.value(43), c.count == 43 ? "" : "1");
        EXPECT_EQ(rig.view.maximum, c.count - 1);
        EXPECT_EQ(rig.view.position, sent.back());
        EXPECT_EQ(rig.modified, 0);
        EXPECT_FALSE(rig.view.cancelShown);
        EXPECT_FALSE(rig.view.dataExchange);
    }
}

// Transfers that end at the version query: the query's reply decides.
TEST(ParameterTransfer, VersionRepliesThatEndTheTransfer) {
    struct Case {
        const char* name;
        std::function<void(ParameterRig&)> controller;
        std::vector<Message> shown;  // after the question
    };
    const auto version = [](const char* text) {
        return [text](ParameterRig& rig) { rig.sim.records.versions[0] = text; };
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"three characters", version("1.0"), {{"error", "1.0", "Error display"}}},
        {"six characters", version("V1.031"), {{"error", "V1.031", "Error display"}}},
        {"refused", [](ParameterRig& rig) { rig.sim.faults.refuse.which = 1; rig.sim.faults.refuseLine = "23:No unit"; },
         {{"error", "23:No unit", "Error display"}}},
        {"no reply", [](ParameterRig& rig) { rig.sim.faults.silent.which = 1; }, {}},
    };
    // clang-format on
    for (const bool receive : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (receive ? " receive" : " send"));
            ParameterRig rig;
            c.controller(rig);
            rig.prompter.answers = {true};
            const ParameterTable before = rig.table;
            const Outcome o = receive ? ReceiveParameters(rig.ctx, rig.target())
                                      : SendParameters(rig.ctx, rig.target());
            EXPECT_EQ(o, Outcome::Failed);
            EXPECT_EQ(rig.sent(), std::vector<std::string>{"@?Ver 0"});
            EXPECT_EQ(rig.prompter.messages,
                      Joined(std::vector<Message>{receive ? kAskReceive : kAskSend}, c.shown));
            EXPECT_TRUE(rig.table == before);
            EXPECT_FALSE(rig.view.cancelShown);
        }
    }
}

TEST(ParameterTransfer, LeadTwoRefusesBeforeAnyWrite) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> values;
        bool refused;
        Message message;
    };
    const Message lead{"notify", kLeadSpeedMessage, "Error"};
    // clang-format off
    const std::vector<Case> cases = {
        {"Z lead 2 with Z3 speed 71", {{16, "2"}, {33, "71"}}, true, lead},
        {"Z lead 2.00 counts as 2", {{16, "2.00"}, {24, "70.5"}}, true, lead},
        {"X lead 2 with X1 / X2 speed 80", {{14, "2"}, {28, "80"}}, true, lead},
        {"Z lead 6 with Z speeds of 200", {{16, "6"}, {24, "200"}, {32, "200"}, {33, "200"}}, false, kSent},
        {"lead no number", {{15, "two"}}, true, {"notify", "'two' is not a valid floating point value", "Parameter send"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterRig rig;
        rig.prompter.answers = {true};
        for (const auto& [n, v] : c.values) rig.table.setValue(n, v);
        EXPECT_EQ(SendParameters(rig.ctx, rig.target()),
                  c.refused ? Outcome::Failed : Outcome::Completed);
        EXPECT_EQ(rig.prompter.messages.back(), c.message);
        if (c.refused) {
            EXPECT_EQ(rig.sent(), std::vector<std::string>{"@?Ver 0"});
        }
        EXPECT_EQ(rig.prompter.messages.size(), 2u);
    }
}

// A refused write stops the send there: the error line, and the parameter unless it begins
// with "31".
TEST(ParameterTransfer, RefusedWrites) {
    struct Case {
        int refusedCommand;  // counted from "@?Ver 0" as 1
        std::string line;
        std::vector<Message> shown;
    };
    // Command 4 is the third write, parameter 4 (1, 2, then 4).
    const std::vector<Case> cases = {
        {4,
         "45:Parameter No. error",
         {{"error", "45:Parameter No. error", "Error display"},
          {"notify", "Error occurs! No.4", "Sending error"}}},
        {4, "31:Busy", {{"error", "31:Busy", "Error display"}}},
        {41,
         "12:Range",
         {{"error", "12:Range", "Error display"},
          {"notify", "Error occurs! No.42", "Sending error"}}},
        {42, "310", {{"error", "310", "Error display"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line + " at " + std::to_string(c.refusedCommand));
        ParameterRig rig;
        rig.prompter.answers = {true};
        rig.sim.faults.refuse.which = c.refusedCommand;
        rig.sim.faults.refuseLine = c.line;
        EXPECT_EQ(SendParameters(rig.ctx, rig.target()), Outcome::Failed);
        EXPECT_EQ(rig.prompter.messages, Joined(std::vector<Message>{kAskSend}, c.shown));
        const std::vector<int> walked = Walked(1, 44);
        const std::vector<int> tried(walked.begin(), walked.begin() + (c.refusedCommand - 1));
        EXPECT_EQ(rig.sent(), Joined(std::vector<std::string>{"@?Ver 0"}, rig.writes(tried)));
        EXPECT_EQ(rig.table.value(43), "0");
    }

    // No reply to a write: the send ends without a message of its own.
    ParameterRig rig;
    rig.prompter.answers = {true};
    rig.sim.faults.silent.which = 3;
    EXPECT_EQ(SendParameters(rig.ctx, rig.target()), Outcome::Failed);
    EXPECT_EQ(rig.prompter.messages, std::vector<Message>{kAskSend});
    EXPECT_EQ(rig.sent().size(), 3u);
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
        EXPECT_EQ(rig.sent(), Joined(std::vector<std::string>{"@?Ver 0"}, Reads(read)));
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

// A receive that stops: the values read before stay, with ParameterModified; no completion
// and no initial values for the robot number.
TEST(ParameterTransfer, ReceiveEndings) {
    struct Case {
        const char* name;
        std::function<void(ParameterRig&)> controller;
        int readBefore;  // values stored
        Outcome outcome;
        std::vector<Message> shown;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"status reply at the fifth read", [](ParameterRig& rig) {
             rig.sim.faults.refuse.which = 6; rig.sim.faults.refuseLine = "45:Parameter No. error"; },
         4, Outcome::Failed, {{"error", "45:Parameter No. error", "Error display"}}},
        {"a bare OK in place of a value", [](ParameterRig& rig) {
             rig.sim.addCommand("@READ PRM", [&rig](const std::string& n) {
                 if (n == "2") { rig.sim.reply("OK"); return; }
                 rig.sim.reply(rig.sim.parameters.values[static_cast<std::size_t>(std::stoi(n))]);
                 rig.sim.reply("OK"); }); },
         2, Outcome::Failed, {{"error", "OK", "Error display"}}},
        {"no reply", [](ParameterRig& rig) { rig.sim.faults.silent.which = 3; },
         1, Outcome::Failed, {}},
        {"robot number no integer", [](ParameterRig& rig) { rig.sim.parameters.values[0] = "22.0"; },
         42, Outcome::Failed, {{"notify", "'22.0' is not a valid integer value", "Parameter receive"}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterRig rig;
        c.controller(rig);
        for (int n = 0; n < kEditableParameterCount; ++n) rig.table.setInitial(n, "old");
        rig.sim.parameters.values[1] = "2";
        rig.prompter.answers = {true};
        EXPECT_EQ(ReceiveParameters(rig.ctx, rig.target()), c.outcome);
        EXPECT_EQ(rig.prompter.messages, Joined(std::vector<Message>{kAskReceive}, c.shown));
        EXPECT_EQ(rig.modified, c.readBefore);
        EXPECT_EQ(rig.table.value(1), c.readBefore >= 2 ? "2" : "3");
        EXPECT_EQ(rig.table.initial(6), "old");
        // The robot-independent initial values are written before the robot number is read.
        EXPECT_EQ(rig.table.initial(7), c.readBefore == 42 ? "200.00" : "old");
    }
}

TEST(ParameterTransfer, DeclinedAndCancelled) {
    for (const bool receive : {false, true}) {
        SCOPED_TRACE(receive ? "receive" : "send");
        ParameterRig rig;
        rig.prompter.answers = {false};
        EXPECT_EQ(receive ? ReceiveParameters(rig.ctx, rig.target())
                          : SendParameters(rig.ctx, rig.target()),
                  Outcome::Declined);
        EXPECT_TRUE(rig.sent().empty());

        ParameterRig cancelled;
        cancelled.prompter.answers = {true};
        cancelled.view.cancelAfterProgress = 3;
        EXPECT_EQ(receive ? ReceiveParameters(cancelled.ctx, cancelled.target())
                          : SendParameters(cancelled.ctx, cancelled.target()),
                  Outcome::Interrupted);
        EXPECT_EQ(cancelled.sent().size(), 4u);  // the version and three items
        EXPECT_EQ(cancelled.prompter.messages.back(),
                  (receive ? Message{"notify", "Receiving is interrupted", "Parameter receive"}
                           : Message{"notify", "Sending is interrupted", "Parameter send"}));
        EXPECT_FALSE(cancelled.view.cancelRequested());
    }
}

}  // namespace
}  // namespace mivo
