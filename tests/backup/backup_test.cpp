// Backup, comparison and restore against the simulated controller in process.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>

#include "backup/backup_archive.h"
#include "backup/backup_transfer.h"
#include "backup/differences.h"
#include "support/procedure_rig.h"
#include "support/renamed_member.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

std::string& Step(Rig& rig, int program, int step) {
    return rig.sim.steps
        .programs[static_cast<std::size_t>(program)][static_cast<std::size_t>(step)];
}
std::string& Memory(Rig& rig, int number) {
    return rig.sim.parameters.values[static_cast<std::size_t>(number)];
}

ControllerData Read(Rig& rig, const DataParts& parts = AllParts()) {
    ControllerData data;
    EXPECT_EQ(ReadController(rig.ctx, parts, data), Outcome::Completed) << rig.prompter.texts()[0];
    return data;
}

// A backup restored onto another controller leaves it holding the same data.
TEST(Backup, RestoredOntoAFreshControllerComparesEqual) {
    Rig original;
    original.sim.steps.currentProgram = 2;
    Step(original, 2, 0) = "POI 050,10.00,20.00,5.00,0";
    Step(original, 2, 1) = "SEQ 200,5";
    Step(original, 2, 2) = "CIR 100,1.00,2.00,3.00";
    Step(original, 2, 3) = "CIR 100,4.00,5.00,6.00,7.00";
    Step(original, 2, 999) = "END 000,,,,";
    Memory(original, 22) = "150.00";
    Memory(original, PalletParameter(19, PalletYPartitions)) = "4";
    Memory(original, OffsetParameter(5, 3)) = "-1.25";
    TempDir dir;
    ASSERT_EQ(BackupController(original.ctx, dir / "b.zip"), Outcome::Completed);
    // The receives ask nothing and their completions are not said: the save is.
    EXPECT_EQ(original.prompter.messages, (std::vector<Message>{{"notify", "Saved", "Save"}}));

    ControllerData backup;
    ASSERT_TRUE(OpenBackup(dir / "b.zip", backup, original.prompter));
    EXPECT_EQ(backup.program, "2");
    Rig fresh;
    fresh.sim.steps.currentProgram = 2;
    Step(fresh, 2, 500) = "POI 000,1,1,1,1";
    fresh.prompter.answers.assign(28, true);
    ASSERT_EQ(RestoreData(fresh.ctx, backup, AllParts()), Outcome::Completed);
    // Its twenty pallet questions, and its completions, are told apart by the number.
    std::set<std::pair<std::string, std::string>> said;
    for (const Message& m : fresh.prompter.messages)
        EXPECT_TRUE(said.insert({m.caption, m.text}).second) << m.caption << ": " << m.text;
    for (const char* part : {"(PGM 2)", "(pallet 0)", "(pallet 19)", "(offsets of PGM 5)"})
        EXPECT_TRUE(std::any_of(said.begin(), said.end(), [&](const auto& m) {
            return m.first.find(part) != std::string::npos;
        })) << part;
    EXPECT_TRUE(Differences(backup, Read(fresh)).empty());
    EXPECT_EQ(fresh.sim.steps.programs, original.sim.steps.programs);
    EXPECT_EQ(fresh.sim.parameters.values, original.sim.parameters.values);
}

TEST(Backup, EachKindsDifferenceNamesItsItemWithBothTexts) {
    Rig rig;
    Step(rig, 0, 12) = "POI 050,10.00,20.00,6.00,0";
    Step(rig, 0, 20) = "CIR 100,1,2,3";
    Step(rig, 0, 21) = "CIR 100,4,5,6,7";
    Step(rig, 0, 30) = "POI 000,1,2,3,4";
    ControllerData file = Read(rig);
    struct Row {
        std::function<void(ControllerData&)> change;
        std::string line;  // "" when no difference may be seen
        int firstStep = -1, lastStep = -1, memory = -1;
    };
    // clang-format off
    const std::vector<Row> rows = {
        {[](ControllerData& d) { d.program = "1"; }, R"(program: file "1", controller "0")"},
        {[](ControllerData& d) { (*d.steps)[12][FieldZ] = "5.00"; }, R"(step 12: file "POI,050,10.00,20.00,5.00,0", controller "POI,050,10.00,20.00,6.00,0")", 12, 12},
        // A circle's row sends its pair whole; its write carries "000" as "100".
        {[](ControllerData& d) { (*d.steps)[20][FieldOperation] = "000"; }, ""},
        {[](ControllerData& d) { (*d.steps)[21][FieldR] = "8"; }, R"(step 21: file "CIR,100,4,5,6,8", controller "CIR,100,4,5,6,7")", 20, 21},
        {[](ControllerData& d) { (*d.steps)[40] = {{"END", "000"}}; }, R"(step 40: file "END,000,,,,", controller "")", 40, 40},
        // What the controller does not hold, or holds as sent, is no difference.
        {[](ControllerData& d) { (*d.steps)[30][FieldCommand] = "poi"; }, ""},
        {[](ControllerData& d) { (*d.steps)[30][FieldComment] = "note"; }, ""},
        {[](ControllerData& d) { d.parameters->setValue(0, "21"); }, R"(parameter 0: file "21", controller "22")"},
        {[](ControllerData& d) { d.parameters->setValue(22, "150.00"); }, R"(parameter 22: file "150.00", controller "200.00")", -1, -1, 22},
        {[](ControllerData& d) { d.pallets[3].fields[PalletX1] = "1.00"; }, R"(pallet 3 X1: file "1.00", controller "0")", -1, -1, PalletParameter(3, PalletX1)},
        {[](ControllerData& d) { d.pallets[19].fields[PalletYPartitions] = "\x1b"; }, R"(pallet 19 Y section number: file "\x1B", controller "0")", -1, -1, PalletParameter(19, PalletYPartitions)},
        // The same number written otherwise is the same value; a blank is not zero.
        {[](ControllerData& d) { d.offsets[1].values[0] = "0.00"; }, ""},
        {[](ControllerData& d) { d.parameters->setValue(23, "200"); }, ""},
        {[](ControllerData& d) { d.offsets[2].values[1] = "-2.50"; }, R"(offset 2 Y: file "-2.50", controller "0")", -1, -1, OffsetParameter(2, 1)},
        {[](ControllerData& d) { d.offsets[4].values[3] = ""; }, R"(offset 4 R: file "", controller "0")", -1, -1, OffsetParameter(4, 3)},
    };
    // clang-format on
    std::vector<std::string> expected;
    for (const Row& row : rows) {
        row.change(file);
        if (!row.line.empty()) expected.push_back(row.line);
    }
    const std::vector<Difference> found = Differences(file, Read(rig));
    std::vector<std::string> lines;
    for (const Difference& d : found) lines.push_back(DifferenceLine(d));
    EXPECT_EQ(lines, expected);
    for (const Row& row : rows)
        for (const Difference& d : found)
            if (DifferenceLine(d) == row.line) {
                EXPECT_EQ(d.firstStep, row.firstStep) << row.line;
                EXPECT_EQ(d.lastStep, row.lastStep) << row.line;
                EXPECT_EQ(d.memory, row.memory) << row.line;
            }
}

TEST(Backup, OfAnotherProgramIsRefusedBeforeAnythingIsSent) {
    Rig original;
    ControllerData backup = Read(original);
    Rig other;
    other.sim.steps.currentProgram = 3;
    other.prompter.answers.assign(28, true);
    EXPECT_EQ(RestoreData(other.ctx, backup, AllParts()), Outcome::Failed);
    EXPECT_EQ(other.prompter.messages,
              (std::vector<Message>{{"notify",
                                     "The backup is of PGM0, the controller's current program is "
                                     "PGM3. Nothing was sent.",
                                     "Restore"}}));
    EXPECT_EQ(other.sent(), std::vector<std::string>{"@?NO"});
    // Without the steps the program does not matter.
    std::string problem;
    const auto parameters = OnlyParts(AllParts(), "parameters", problem);
    ASSERT_TRUE(parameters) << problem;
    EXPECT_EQ(RestoreData(other.ctx, backup, *parameters), Outcome::Completed);
    EXPECT_FALSE(OnlyParts(AllParts(), "steps,pallet", problem));
}

// A restore that stops after sending some parts says which and where it stopped; one that
// stopped at its first part has sent nothing, and the plain word for that holds.
TEST(Backup, AStoppedRestoreSaysWhatItSent) {
    struct Case {
        int yes;  // questions answered Yes before the first No
        DataParts parts;
        SimPick refuse;
        Outcome outcome;
        std::string summary;
    };
    const DataParts pallets{false, false, {0, 1, 2, 5, 7}, {}};
    // clang-format off
    for (const Case& c : {
             Case{1, AllParts(), {}, Outcome::Declined, "sent steps; stopped at parameters: answered No"},
             Case{28, AllParts(), {1, SimFamily::Parameters}, Outcome::Failed, "sent steps; stopped at parameters: it did not complete"},
             Case{4, pallets, {}, Outcome::Declined, "sent pallets 0 to 2, 5; stopped at pallet 7: answered No"},
             Case{27, AllParts(), {}, Outcome::Declined, "sent steps, parameters, pallets 0 to 19, offsets 0 to 4; stopped at offset 5: answered No"},
             Case{0, AllParts(), {}, Outcome::Declined, ""},
             Case{28, AllParts(), {}, Outcome::Completed, ""}}) {
        // clang-format on
        SCOPED_TRACE(c.summary);
        Rig original;
        ControllerData backup = Read(original);
        Rig rig;
        rig.prompter.answers.assign(static_cast<std::size_t>(c.yes), true);
        rig.sim.faults.refuse = c.refuse;
        RestoreReport report;
        EXPECT_EQ(RestoreData(rig.ctx, backup, c.parts, &report), c.outcome);
        EXPECT_EQ(RestoreSummary(report), c.summary);
    }
}

TEST(Backup, AFailedReadWritesNoFileAndSaysWhy) {
    struct Case {
        SimFamily family;
        int which;  // the command of the family that goes wrong
        bool silent;
        std::string said;
        bool overwrite = true;  // the answer to the question about the file there
    };
    for (const Case& c : {Case{SimFamily::Steps, 500, false, "10:Command error"},
                          Case{SimFamily::Parameters, 100, false, "10:Command error"},
                          Case{SimFamily::Parameters, 230, true, "Error occurs"},
                          // Asked before the reads: No reads nothing.
                          Case{SimFamily::Steps, SimPick::kNone, false,
                               "File of the same name exists.  Overwrite?", false}}) {
        SCOPED_TRACE(c.which);
        Rig rig;
        (c.silent ? rig.sim.faults.silent : rig.sim.faults.refuse) = SimPick{c.which, c.family};
        TempDir dir;
        WriteBytes(dir / "b.zip", "old");
        rig.prompter.answers = {c.overwrite};
        EXPECT_EQ(BackupController(rig.ctx, dir / "b.zip"),
                  c.overwrite ? Outcome::Failed : Outcome::Declined);
        if (!c.overwrite) {
            EXPECT_TRUE(rig.sim.received().empty());
        }
        EXPECT_EQ(ReadBytes(dir / "b.zip"), "old");
        const std::vector<std::string> said = rig.prompter.texts();
        EXPECT_NE(std::find(said.begin(), said.end(), c.said), said.end());
    }
}

// A target that cannot be written is refused before the first read, not after minutes of them.
TEST(Backup, ATargetThatCannotBeWrittenReadsNothing) {
    TempDir dir;
    WriteBytes(dir / "file", "x");
    for (const auto& [target, said] :
         {std::pair{dir / "missing/b.zip", "No such file or directory"},
          std::pair{dir / "file/b.zip", "Not a directory"}}) {
        SCOPED_TRACE(said);
        Rig rig;
        EXPECT_NE(BackupController(rig.ctx, target), Outcome::Completed);
        EXPECT_TRUE(rig.sim.received().empty());
        ASSERT_EQ(rig.prompter.texts().size(), 1u);
        EXPECT_EQ(rig.prompter.texts()[0], "Cannot write " + target + ": " + said);
    }
}

// A file that is no whole backup is refused, naming what is wrong.
TEST(Backup, AnArchiveThatIsNoWholeBackupIsRefusedNamingWhy) {
    Rig rig;
    const Members whole = BackupMembers(Read(rig), "now");
    const auto member = [](Members& m, const std::string& name) -> std::string& {
        for (auto& [n, content] : m)
            if (n == name) return content;
        throw std::out_of_range(name);
    };
    struct Case {
        std::function<void(Members&)> members;
        std::function<void(std::string&)> bytes;  // the archive's
        std::string said;                         // in the message or its detail
    };
    const auto none = [](Members&) {};
    // clang-format off
    const std::vector<Case> cases = {
        {none, [](std::string& b) { b.resize(b.size() / 2); }, "b.zip: "},
        {none, [](std::string& b) { b = "program: 0\r\n"; }, "b.zip: "},
        {[&](Members& m) { member(m, "pallet-03.plt")[0] = '5'; }, {}, "b.zip/pallet-03.plt: it names pallet 5"},
        {[&](Members& m) { member(m, "offset-4.off") = "4\r\n1\r\n"; }, {}, "b.zip/offset-4.off: "},
        {[&](Members& m) { member(m, "parameters.prm")[1] = '\0'; }, {}, "b.zip/parameters.prm: Not a text file (it contains NUL bytes)"},
        {[&](Members& m) { member(m, "manifest.txt") = "program: 6\r\n"; }, {}, "b.zip/manifest.txt: it names no program 0 to 5"},
        {[](Members& m) { m.pop_back(); }, {}, "b.zip/manifest.txt: the backup holds no such member"},
        // Nothing but what a backup writes, however harmless it looks; named readably.
        {[](Members& m) { m.emplace_back("../evil.stp", m[0].second); }, {}, "b.zip/../evil.stp: a backup holds no such member"},
        {[](Members& m) { m.emplace_back("/abs/x.stp", m[0].second); }, {}, "b.zip//abs/x.stp: a backup holds no such member"},
        // A name of control bytes, as an archiver writes it (libzip writes none such).
        {[](Members& m) { m.emplace(m.begin(), "E[2JB.stp", m[0].second); }, [](std::string& b) { RenameMember(b, "E[2JB.stp", "\x1b[2J\a.stp"); }, "b.zip/\\x1B[2J\\x07.stp: a backup holds no such member"},
        {[](Members& m) { m.emplace_back("program-1.stp", m[0].second); }, {}, "b.zip/program-1.stp: a backup holds no such member"},
        // Two members of one name (libzip itself would say "File already exists").
        {[](Members& m) { m.emplace_back("pallet-0X.plt", "0\r\n"); }, [](std::string& b) { RenameMember(b, "pallet-0X.plt", "pallet-00.plt"); }, "two members are named pallet-00.plt"},
    };
    // clang-format on
    ASSERT_EQ(whole[0].first, "program-0.stp");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        Members members = whole;
        c.members(members);
        std::string bytes, reason;
        ASSERT_TRUE(ZipMembers(members, bytes, reason)) << reason;
        if (c.bytes) c.bytes(bytes);
        TempDir dir;
        WriteBytes(dir / "b.zip", bytes);
        ScriptedPrompter prompter;
        ControllerData data;
        EXPECT_FALSE(OpenBackup(dir / "b.zip", data, prompter)) << c.said;
        std::string said;
        for (const std::string& text : prompter.texts()) said += text + "\n";
        for (const std::string& detail : prompter.details) said += detail + "\n";
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
    }
}

}  // namespace
}  // namespace mivo::test
