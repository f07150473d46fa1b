// Noise on the line is no data: what a value may look like, and how a read of the controller's
// memory ends when its reply is noise, too long, empty or comes without its trailing line.
#include <gtest/gtest.h>

#include "procedures/memory_transfer.h"
#include "procedures/reply_rules.h"
#include "support/procedure_rig.h"

namespace mivo {
namespace {

using Lines = std::vector<std::string>;

TEST(ReplyShape, WhatAValueMayLookLike) {
    struct Case {
        const char* reply;
        ValueShape shape;
        bool fits;
    };
    // clang-format off
    const Case cases[] = {
        {"-999.99", ValueShape::Number, true}, {"  0.00", ValueShape::Number, true},
        {"45", ValueShape::Number, true},      {"+1.5 ", ValueShape::Number, true},
        {"", ValueShape::Number, false},       {"-", ValueShape::Number, false},
        {"1.2.3", ValueShape::Number, false},  {"12 34", ValueShape::Number, false},
        {"1234567890123", ValueShape::Number, false},  // longer than any value the controller sends
        {"\x80\xA5\xCA", ValueShape::Number, false},
        {"1.00,-2.50,3,4", ValueShape::Numbers, true}, {"0,0", ValueShape::Numbers, true},
        {"1,,2", ValueShape::Numbers, false},  {"1,2,3,4,5", ValueShape::Numbers, false},
        {"5", ValueShape::Digit, true},        {"x", ValueShape::Digit, false},
        {"12", ValueShape::Digit, false},      {"999", ValueShape::StepNumber, true},
        {"1000", ValueShape::StepNumber, false}, {"R2.05", ValueShape::Word, true},
        {"R 2", ValueShape::Word, false},      {"\xFF\xFF", ValueShape::Word, false},
        {"E21:Origin return error", ValueShape::Text, true}, {"E1:\x1B[2J", ValueShape::Text, false},
        {"\x80\xA5\xCA", ValueShape::Text, false},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(FitsShape(c.reply, c.shape), c.fits) << '"' << c.reply << '"';
}

// The controller answers "@READ PRM 13" with `lines`, 12 as it stands; or a line of noise comes
// before every reply, and the read ends at 12.
TEST(MemoryRead, AnItemWithoutAValueEndsTheReadAndIsNotStored) {
    const std::string noise = "\x80\xA5\xCA\xEF\x94";
    const std::string unfit = "The controller's reply for No. 13 is no value it can hold: '";
    const std::string none = "No reply from the controller for No. 13";
    struct Case {
        const char* name;
        Lines lines;
        std::string message;
        bool noiseBeforeEach = false;
    };
    // clang-format off
    const Case cases[] = {
        {"a line of noise", {noise}, unfit + noise + "'"},
        {"a value without its trailing line", {"2.00"}, none},
        {"an empty line", {""}, none},
        {"a number longer than its field", {"-999.999", "OK"}, unfit + "-999.999'"},
        {"a noise line before each reply", {}, "The controller's reply for No. 12 is no value it can hold: '", true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::Rig rig;
        rig.sim.parameters.values[12] = "1.50";
        rig.sim.addCommand("@READ PRM 13", [&rig, &c](const std::string&) {
            for (const auto& l : c.lines) rig.sim.reply(l);
        });
        if (c.noiseBeforeEach) rig.sim.faults.noiseBefore.which = SimPick::kEvery;
        const MemoryTexts texts{.caption = "Receive", .itemName = [](const MemoryItem& i) {
                                    return "No. " + std::to_string(i.number);
                                }};
        Lines stored;
        const Outcome o =
            ReadMemory(rig.ctx, {{12, "", 0, 7}, {13, "", 1, 7}, {14, "", 2}}, texts,
                       [&](const MemoryItem&, const std::string& v) { stored.push_back(v); });
        EXPECT_EQ(o, Outcome::Failed);
        const Lines sent{"@READ PRM 12", "@READ PRM 13"};
        EXPECT_EQ(stored, c.noiseBeforeEach ? Lines{} : Lines{"1.50"});
        EXPECT_EQ(rig.sent(), c.noiseBeforeEach ? Lines{sent[0]} : sent);
        ASSERT_EQ(rig.prompter.messages.size(), 1u);
        EXPECT_EQ(rig.prompter.messages[0].text.substr(0, c.message.size()), c.message);
        EXPECT_EQ(rig.prompter.messages[0].caption, kReplyErrorCaption);
    }
}

}  // namespace
}  // namespace mivo
