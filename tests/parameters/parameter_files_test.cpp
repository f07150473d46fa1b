// Parameter files on disk: the 44-line content, names, the text conversion of an open and the
// initial values that follow it.
#include "parameters/parameter_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

using test::Message;
using test::ReadBytes;
using test::ScriptedPrompter;
using test::TempDir;
using test::WriteBytes;

const Message kSaved{"notify", "Saved", "Save"};
const Message kComplete{"notify", "Complete", "Open"};

// Values as odd as a user or a controller may leave them.
ParameterTable OddTable() {
    ParameterTable t;
    t.setValue(0, "31");
    t.setValue(1, "");
    t.setValue(4, " -1.5");
    t.setValue(14, "6.0");
    t.setValue(22, "200.0");
    t.setValue(26, "45 ");
    t.setValue(40, "caf\xe9\x80\xff");
    t.setValue(42, "1,2;3");
    t.setValue(43, "x\r");
    return t;
}

// Lines "v1", "v2" ... each ended by `end`.
std::string Lines(int count, const std::string& end = "\r\n") {
    std::string out;
    for (int k = 1; k <= count; ++k) out += "v" + std::to_string(k) + end;
    return out;
}

TEST(ParameterFiles, FreshTableFile) {
    TempDir dir;
    ScriptedPrompter p;
    ASSERT_TRUE(SaveParameterFile(ParameterTable{}, dir / "fresh", PrmSavePrm, p));
    EXPECT_EQ(p.messages, std::vector<Message>{kSaved});
    const std::string bytes = ReadBytes(dir / "fresh.prm");
    EXPECT_EQ(bytes.substr(0, 20), "22\r\n3\r\n3\r\n\r\n0.00\r\n\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "3\r\n1\r\n0\r\n");
    std::size_t lines = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 44u);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
    const std::vector<std::string> fileLines = ParameterFileLines(ParameterTable{});
    ASSERT_EQ(fileLines.size(), 44u);
    EXPECT_EQ(fileLines[3], "");
    EXPECT_EQ(fileLines[5], "");
    EXPECT_EQ(fileLines[22], "200.00");
}

TEST(ParameterFiles, RoundTripKeepsTextsAndTheRestOfTheMemory) {
    TempDir dir;
    const ParameterTable odd = OddTable();
    for (int filter : {PrmSavePrm, PrmSaveCsv}) {
        SCOPED_TRACE(filter);
        const std::string name = filter == PrmSavePrm ? "odd.prm" : "odd.csv";
        ScriptedPrompter p;
        ASSERT_TRUE(SaveParameterFile(odd, dir / name, filter, p));
        EXPECT_EQ(ReadBytes(dir / name), ParameterFileText(odd));

        ParameterTable back;
        back.setValue(PalletParameter(3, PalletX1), "10.00");  // not the file's
        back.setValue(OffsetParameter(5, 3), "1.50");
        const int open = filter == PrmSavePrm ? PrmOpenPrm : PrmOpenCsv;
        EXPECT_EQ(OpenParameterFile(back, dir / name, open, p), OpenOutcome::Completed);
        EXPECT_EQ(p.messages, (std::vector<Message>{kSaved, kComplete}));
        for (int n = 0; n < kEditableParameterCount; ++n)
            EXPECT_EQ(back.value(n), odd.value(n)) << n;
        EXPECT_EQ(back.value(PalletParameter(3, PalletX1)), "10.00");
        EXPECT_EQ(back.value(OffsetParameter(5, 3)), "1.50");
        EXPECT_EQ(back.initial(6), "100.00");  // robot 31's set follows the open

        ASSERT_TRUE(SaveParameterFile(back, dir / ("again-" + name), PrmSaveAll, p));
        EXPECT_EQ(ReadBytes(dir / ("again-" + name)), ReadBytes(dir / name));
    }
}

TEST(ParameterFiles, SaveAndOpenNames) {
    const Message prmQuestion{"ask", "File of the same name exists. Overwrite?", "save"};
    const Message allQuestion{"ask", "File of the same name exists.  Overwrite?", "save"};
    struct Case {
        std::vector<std::string> existing;
        std::string name;
        int filter;
        std::string written;
        const Message* asked;
    } cases[] = {
        {{}, "A", PrmSavePrm, "A.prm", nullptr},
        {{}, "A.prm", PrmSavePrm, "A.prm", nullptr},
        {{}, "A.PRM", PrmSavePrm, "A.PRM.prm", nullptr},
        {{}, "Aprm", PrmSavePrm, "Aprm", nullptr},
        {{}, "data", PrmSaveCsv, "data.csv", nullptr},
        {{}, "data.txt", PrmSaveAll, "data.txt", nullptr},
        {{"A.prm"}, "A", PrmSavePrm, "A.prm", &prmQuestion},
        {{"A"}, "A", PrmSaveCsv, "A.csv", &prmQuestion},
        {{"A"}, "A", PrmSaveAll, "A", &allQuestion},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " filter " + std::to_string(c.filter));
        TempDir dir;
        for (const auto& e : c.existing) WriteBytes(dir / e, "old");
        ScriptedPrompter p;
        p.answers = {true};
        ASSERT_TRUE(SaveParameterFile(ParameterTable{}, dir / c.name, c.filter, p));
        std::vector<Message> expected;
        if (c.asked) expected.push_back(*c.asked);
        expected.push_back(kSaved);
        EXPECT_EQ(p.messages, expected);
        EXPECT_EQ(ReadBytes(dir / c.written), ParameterFileText(ParameterTable{}));
    }

    TempDir dir;
    ParameterTable t;
    t.setValue(7, "123.45");
    ScriptedPrompter p;
    ASSERT_TRUE(SaveParameterFile(t, dir / "A.PRM", PrmSaveAll, p));
    ParameterTable back;
    EXPECT_EQ(OpenParameterFile(back, dir / "A.PRM", PrmOpenPrm, p), OpenOutcome::Completed);
    EXPECT_EQ(back.value(7), "123.45");

    // Declining the overwrite writes nothing and says nothing.
    ScriptedPrompter no;
    EXPECT_FALSE(SaveParameterFile(ParameterTable{}, dir / "A.PRM", PrmSaveAll, no));
    EXPECT_EQ(no.messages, std::vector<Message>{allQuestion});
    EXPECT_EQ(ReadBytes(dir / "A.PRM"), ParameterFileText(t));
}

TEST(ParameterFiles, TextConversion) {
    struct Case {
        const char* what;
        std::string content;
        bool refused;
        int lines;            // the count a refusal names
        const char* value43;  // after a read
        // clang-format off
    } cases[] = {
        {"44 lines", Lines(44), false, 44, "v44"},
        {"LF only", Lines(44, "\n"), false, 44, "v44"},
        {"no line end at the end", Lines(43) + "v44", false, 44, "v44"},
        {"lines after the 44th ignored", Lines(44) + "v45\r\nv46", false, 46, "v44"},
        {"43 lines", Lines(43), true, 43, ""},
        {"an empty 44th line", Lines(43) + "\r\n", false, 44, ""},
        {"one line", "v1", true, 1, ""},
        {"empty file", "", true, 0, ""},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ParameterTable t = OddTable();
        t.setValue(PalletParameter(0, PalletX1), "kept");
        const ParameterTable before = t;
        ScriptedPrompter p;
        EXPECT_EQ(ConvertParameterText(t, c.content, p), !c.refused);
        if (c.refused) {
            // Nothing of the file is taken: every value stays as it was.
            EXPECT_EQ(p.messages,
                      (std::vector<Message>{{"notify", "File cannot be open", "Open"}}));
            const std::string count = std::to_string(c.lines);
            EXPECT_EQ(p.details, std::vector<std::string>{"the file has " + count +
                                                          (c.lines == 1 ? " line" : " lines") +
                                                          "; a parameter file has 44, one value "
                                                          "a line"});
            EXPECT_TRUE(t == before);
            continue;
        }
        EXPECT_TRUE(p.messages.empty());
        for (int n = 0; n < kEditableParameterCount; ++n) {
            const std::string read = n == 43 ? c.value43 : "v" + std::to_string(n + 1);
            EXPECT_EQ(t.value(n), ParameterHasName(n) ? read : "") << n;
            EXPECT_EQ(t.initial(n), before.initial(n)) << n;
        }
        EXPECT_EQ(t.value(PalletParameter(0, PalletX1)), "kept");
    }
}

TEST(ParameterFiles, OpenThatStopsShowsNoCompletion) {
    TempDir dir;
    WriteBytes(dir / "short.prm", "31\r\n" + Lines(40));
    std::string badRobot = "22.0\r\n" + Lines(43);
    WriteBytes(dir / "robot.prm", badRobot);
    struct Case {
        const char* name;
        Message message;
        std::string detail;
        const char* robotValue;
        const char* initial6;  // what InitialValuesByRobot left
    } cases[] = {
        {"short",
         {"notify", "File cannot be open", "Open"},
         dir / "short.prm: the file has 41 lines; a parameter file has 44, one value a line",
         "22",
         "old"},
        {"robot", {"notify", "'22.0' is not a valid integer value", "Open"}, "", "22.0", "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterTable t;
        for (int n = 0; n < kEditableParameterCount; ++n) t.setInitial(n, "old");
        ScriptedPrompter p;
        EXPECT_EQ(OpenParameterFile(t, dir / c.name, PrmOpenPrm, p), OpenOutcome::Stopped);
        EXPECT_EQ(p.messages, std::vector<Message>{c.message});
        EXPECT_EQ(p.details, c.detail.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{c.detail});
        EXPECT_EQ(t.value(PrmRobotNumber), c.robotValue);
        EXPECT_EQ(t.initial(6), c.initial6);
    }
    // The robot-independent initial values are written before the robot number is read.
    ParameterTable t;
    for (int n = 0; n < kEditableParameterCount; ++n) t.setInitial(n, "old");
    ScriptedPrompter p;
    EXPECT_FALSE(ConvertParameterFile(t, PrmOpenAll, badRobot, p));
    EXPECT_EQ(t.initial(7), "200.00");
    EXPECT_EQ(t.initial(0), "old");
}

TEST(ParameterFiles, ReservedLinesAreNotData) {
    ParameterTable t;
    t.setValue(3, "stray");
    EXPECT_EQ(ParameterFileLines(t)[3], "");
    std::string content = Lines(44);
    ScriptedPrompter p;
    ASSERT_TRUE(ConvertParameterText(t, content, p));
    EXPECT_EQ(t.value(3), "");
    EXPECT_EQ(t.value(5), "");
    EXPECT_EQ(t.value(4), "v5");
}

}  // namespace
}  // namespace mivo
