// The pallet, offset and parameter files on disk and the ZEB data file imports: each kind's
// text, read back, the parameter file's lines, the ZEB blocks, and every open that is refused
// leaving the data as they were (ZEB step files included).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "offsets/offset_data.h"
#include "pallets/pallet_data.h"
#include "parameters/parameter_files.h"
#include "parameters/parameter_zeb.h"
#include "steps/step_files.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

// Values as odd as a user or a controller may leave them.
const PalletData kPallet{
    "3", {"10.00", "-2.5", "", " 7", "1;5", "caf\xe9", "0", "12", "x\r"}, "", ""};
const OffsetData kOffset{"2", {"1.50", "", " -3", "caf\xe9"}};
ParameterTable OddTable() {
    // clang-format off
    const std::pair<int, const char*> odd[] = {
        {0, "31"}, {1, ""}, {4, " -1.5"}, {14, "6.0"}, {22, "200.0"}, {26, "45 "}, {40, "\xe9\x80\xff"}, {42, "1;2"}, {43, "x\r"}};
    // clang-format on
    ParameterTable t;
    for (const auto& [n, v] : odd) t.setValue(n, v);
    return t;
}

// Lines "v1", "v2" ... each ended by CR LF.
std::string Lines(int count) {
    std::string out;
    for (int k = 1; k <= count; ++k) out += "v" + std::to_string(k) + "\r\n";
    return out;
}

// Characters 6 to 11 of line `line` of PalletZebFile: "KK.50 " (KK = line mod 100, two
// digits), or "KK" as a section count is read.
std::string FromLine(long line, bool section = false) {
    const long kk = line % 100;
    return (kk < 10 ? "0" : "") + std::to_string(kk) + (section ? "" : ".50 ");
}
// A ZEB data file of `count` lines for the pallet import, each field telling the line it came
// from.
std::string PalletZebFile(int count) {
    std::string out;
    for (int k = 1; k <= count; ++k) out += "@@@@@" + FromLine(k) + "rest\r\n";
    return out;
}

// A text placed at a character position (counted from 1) of an otherwise blank line.
std::string At(std::size_t pos, const std::string& text, std::size_t width = 20) {
    std::string line(std::max(width, pos - 1 + text.size()), ' ');
    line.replace(pos - 1, text.size(), text);
    return line;
}
// A ZEB data file for the parameter import: 1001 step lines, the parameters' lines 1002 to
// 1011 (speeds 0150, 0033, 0035, 0100; linear 0033; accelerations as texts; origin " 1.5"),
// line `line` replaced by `text`, only the first `count` of them, then pallet lines.
std::string ParameterZebFile(int line = 0, const std::string& text = "", std::size_t count = 10) {
    std::vector<std::string> block = {At(8, "0150"),  At(8, "0033"), At(8, "0035"), At(8, "0100"),
                                      At(11, "0033"), At(8, "0.20"), At(8, "1.5 "), At(8, "10"),
                                      At(8, "0.1x"),  At(4, " 1.5")};
    if (line != 0) block[static_cast<std::size_t>(line - 1002)] = text;
    block.resize(count);
    std::string out;
    for (int k = 0; k < 1001; ++k) out += "------\r\n";
    for (const auto& l : block) out += l + "\r\n";
    for (int k = 0; k < 330 && count == 10; ++k) out += "PALLET 1234.5\r\n";
    return out;
}

// Saves `odd` as `name` with `save`, then opens the file into `back` with `open`: the file
// holds `text` and `back` the odd data.
template <class Data, class Save, class Open>
void ExpectRoundTrip(const Data& odd, Save save, Open open, Data back, const std::string& name,
                     int saveFilter, int openFilter, const std::string& text) {
    SCOPED_TRACE(name);
    TempDir dir;
    ScriptedPrompter p;
    ASSERT_TRUE(save(odd, dir / name, saveFilter, p));
    EXPECT_EQ(ReadBytes(dir / name), text);
    EXPECT_EQ(open(back, dir / name, openFilter, p), OpenOutcome::Completed);
    EXPECT_EQ(p.messages,
              (std::vector<Message>{{"notify", "Saved", "Save"}, {"notify", "Complete", "Open"}}));
    EXPECT_TRUE(back == odd);
}

TEST(KindFiles, RoundTripPerFormat) {
    const std::string pallet =
        "3\r\n10.00\r\n-2.5\r\n\r\n 7\r\n1;5\r\ncaf\xe9\r\n0\r\n12\r\nx\r\r\n";
    const std::string offset = "2\r\n1.50\r\n\r\n -3\r\ncaf\xe9\r\n";
    const auto savePallet = [](const FileKind& kind) {
        return [&kind](const PalletData& d, const std::string& n, int f, Prompter& p) {
            return SavePalletFile(d, n, f, p, kind);
        };
    };
    // A pallet read back has its Z cells of P2 and P3 emptied.
    const PalletData other{"0", {}, "in P2", "in P3"};
    // A parameter file leaves the memory beyond 43 as it was; the initial values follow the
    // robot number read.
    ParameterTable table = OddTable();
    ParameterTable otherTable;
    for (ParameterTable* t : {&table, &otherTable}) {
        t->setValue(PalletParameter(3, PalletX1), "10.00");
        t->setValue(OffsetParameter(5, 3), "1.50");
    }
    InitialValuesByRobot(table);
    const std::string tableText = ParameterFileText(table);
    // clang-format off
    ExpectRoundTrip(kPallet, savePallet(PalletFileKind()), OpenPalletFile, other, "p.plt", PltSavePlt, PltOpenPlt, pallet);
    ExpectRoundTrip(kPallet, savePallet(PalletExitFileKind()), OpenPalletFile, other, "exit.plt", PltSavePlt, PltOpenPlt, pallet);
    ExpectRoundTrip(kOffset, SaveOffsetFile, OpenOffsetFile, {}, "o.off", OffFilterOff, OffFilterOff, offset);
    ExpectRoundTrip(table, SaveParameterFile, OpenParameterFile, otherTable, "odd.prm", PrmSavePrm, PrmOpenPrm, tableText);
    // clang-format on
    // Empty lines after a pallet file's tenth hold nothing: read (one that holds something is
    // refused, see RefusedOpenChangesNothing).
    PalletData data;
    ScriptedPrompter p;
    EXPECT_TRUE(ConvertPalletText(data, pallet + "\r\n\r\n", p));
    EXPECT_EQ(data, kPallet);
}

// A parameter file of 44 lines is read, the last one empty (its line ends are split as a step
// file's are); the initial values and the memory beyond 43 stay as they were.
TEST(ParameterFiles, TextConversion) {
    ParameterTable t = OddTable();
    t.setValue(PalletParameter(0, PalletX1), "kept");
    const ParameterTable before = t;
    ScriptedPrompter p;
    EXPECT_TRUE(ConvertParameterText(t, Lines(43) + "\r\n", p));
    EXPECT_TRUE(p.messages.empty());
    for (int n = 0; n < kEditableParameterCount; ++n) {
        const std::string read = n == 43 ? "" : "v" + std::to_string(n + 1);
        EXPECT_EQ(t.value(n), ParameterHasName(n) ? read : "") << n;
        EXPECT_EQ(t.initial(n), before.initial(n)) << n;
    }
    EXPECT_EQ(t.value(PalletParameter(0, PalletX1)), "kept");
}

// The block of the pallet in the number field, from line 16 x P + 1014 on.
TEST(PalletZeb, BlockOfThePalletInTheNumberField) {
    // The 1040 lines of pallet 1's file are just enough.
    for (const auto& [pallet, lines] : {std::pair{0L, 1500}, {24L, 1500}, {1L, 1040}}) {
        SCOPED_TRACE(std::to_string(pallet) + " in " + std::to_string(lines) + " lines");
        PalletData data = kPallet;
        data.number = std::to_string(pallet);
        data.z3 = "old";
        ScriptedPrompter p;
        EXPECT_TRUE(ConvertPalletFile(data, PltOpenCrd, PalletZebFile(lines), p));
        EXPECT_TRUE(p.messages.empty());
        // Lines L+5 and L+8 are not used.
        const long l = ZebPalletLine(pallet);
        const PalletData expected{
            std::to_string(pallet),
            {FromLine(l), FromLine(l + 1), FromLine(l + 2), FromLine(l + 3), FromLine(l + 4),
             FromLine(l + 6), FromLine(l + 7), FromLine(l + 9, true), FromLine(l + 10, true)},
            "",
            ""};
        EXPECT_EQ(data, expected);
    }
}

TEST(ParameterZeb, ProductsAsShortestDecimalTexts) {
    // The field, whether the linear speed's (line 1006, times 0.45; else line 1002, times 2), the
    // product.
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"0150", false, "300"}, {"0033", true, "14.85"}, {"-010", false, "-20"},
        {" 1.5", false, "3"},   {"150 ", false, "300"},  {"9999", false, "19998"},
        {"1e3", false, "2000"},
    };
    for (const auto& [field, linear, value] : cases) {
        SCOPED_TRACE(std::string(field) + (linear ? " x 0.45" : " x 2"));
        ParameterTable t;
        ScriptedPrompter p;
        const std::string file =
            linear ? ParameterZebFile(1006, At(11, field)) : ParameterZebFile(1002, At(8, field));
        ASSERT_TRUE(ConvertZebParameters(t, file, p));
        EXPECT_EQ(t.value(linear ? PrmLinearSpeed : PrmXMaxSpeed), value);
    }
}

// Opens a file into `data` with `open` (`filter`): the data must stay exactly as they were.
template <class Data, class Open>
auto Refusing(Data data, Open open, int filter) {
    return [=](const std::string& path, Prompter& p) mutable {
        const Data before = data;
        const OpenOutcome o = open(data, path, filter, p);
        EXPECT_TRUE(data == before);
        return o;
    };
}

// A file too short or too long for its kind, a ZEB block missing or with a field that is no number,
// a value too long for its field, or a pallet number that is no integer: the open stops with its
// message and nothing changes.
TEST(KindFiles, RefusedOpenChangesNothing) {
    const PalletData pallet{kPallet.number, kPallet.fields, "kept", "kept"};
    ParameterTable table = OddTable();
    table.setValue(PalletParameter(0, PalletX1), "kept");
    const auto palletFile = Refusing(pallet, OpenPalletFile, PltOpenPlt);
    const auto offsetFile = Refusing(kOffset, OpenOffsetFile, OffFilterOff);
    const auto parameterFile = Refusing(table, OpenParameterFile, PrmOpenPrm);
    const auto parameterZeb = Refusing(table, OpenParameterFile, PrmOpenCrd);
    StepTable steps;
    steps[5][FieldComment] = "kept";
    const auto stepZeb = Refusing(steps, OpenStepFile, OpenCrd);
    const auto palletZeb = [&](const char* number) {
        PalletData numbered = pallet;
        numbered.number = number;
        return Refusing(numbered, OpenPalletFile, PltOpenCrd);
    };
    const std::string cannotOpen = "File cannot be open";
    const std::string zebRange = "; the parameters of a ZEB data file stand in lines 1002 to 1011";
    const std::string zebSteps = "; the steps of a ZEB data file stand in lines 1 to 1000";
    std::string emptySteps;  // 999 lines of an empty ZEB step
    for (int k = 0; k < 999; ++k) emptySteps += "------\r\n";
    const std::string megabyte(1 << 20, '9');
    // A parameter file whose parameter `at` holds `value`, every other "1".
    const auto parameterLines = [](int at, const std::string& value) {
        std::string out;
        for (int n = 0; n < kEditableParameterCount; ++n) out += (n == at ? value : "1") + "\r\n";
        return out;
    };
    // What, the open, the file and its content, the message and its detail ("": none).
    using Open = std::function<OpenOutcome(const std::string&, Prompter&)>;
    using Case = std::tuple<const char*, Open, const char*, std::string, std::string, std::string>;
    // clang-format off
    const Case cases[] = {
        {"pallet, 9 lines", palletFile, "short.plt", Lines(9), cannotOpen, "the file has 9 lines; a pallet file has 10, one value a line"},
        {"offset, 4 lines", offsetFile, "short.OFF", "1\r\n2\r\n3\r\n4\r\n", cannotOpen, "the file has 4 lines; an offset file has 5, one value a line"},
        {"parameter, 43 lines", parameterFile, "short.prm", Lines(43), cannotOpen, "the file has 43 lines; a parameter file has 44, one value a line"},
        {"ZEB parameters, 1010 lines", parameterZeb, "p.crd", ParameterZebFile(0, "", 9), cannotOpen, "the file has 1010 lines" + zebRange},
        {"ZEB parameters, R maximum speed no number", parameterZeb, "p.crd", ParameterZebFile(1005, At(8, "ab12")), "'ab12' is not a valid floating point value", "line 1005, characters 8 to 11"},
        {"ZEB parameters, linear speed missing", parameterZeb, "p.crd", ParameterZebFile(1006, "0033"), "'' is not a valid floating point value", "line 1006, characters 11 to 14"},
        {"ZEB pallet 1, 1039 lines", palletZeb("1"), "p.crd", PalletZebFile(1039), cannotOpen, "the file has 1039 lines; pallet No. 1 stands in lines 1030 to 1040"},
        {"ZEB pallet 0, empty", palletZeb("0"), "p.crd", "", cannotOpen, "the file has 0 lines; pallet No. 0 stands in lines 1014 to 1024"},
        {"ZEB pallet -64", palletZeb("-64"), "p.crd", PalletZebFile(1400), cannotOpen, "a ZEB data file has no block for pallet No. -64"},
        {"ZEB pallet 1.5", palletZeb("1.5"), "p.crd", PalletZebFile(1400), "'1.5' is not a valid integer value", ""},
        {"ZEB steps, carriage returns only", stepZeb, "s.crd", "\r\r\r\r", cannotOpen, "the file has 1 line" + zebSteps},
        {"ZEB steps, one line short", stepZeb, "s.crd", emptySteps, cannotOpen, "the file has 999 lines" + zebSteps},
        {"parameter value too long", parameterFile, "long.prm", parameterLines(22, megabyte), cannotOpen, "line 23: X maximum speed holds at most 6 characters"},
        {"ZEB parameters, product too long", parameterZeb, "p.crd", ParameterZebFile(1006, At(11, "9999")), cannotOpen, "line 1006, characters 11 to 14: Linear interpolation speed holds at most 5 characters"},
        {"pallet corner too long", palletFile, "long.plt", "0\r\n1\r\n2\r\n3\r\n" + megabyte + "\r\n5\r\n6\r\n7\r\n2\r\n2\r\n", cannotOpen, "line 5: X2 holds at most 7 characters"},
        {"offset too long", offsetFile, "long.OFF", "0\r\n1\r\n" + megabyte + "\r\n3\r\n4\r\n", cannotOpen, "line 3: Y holds at most 7 characters"},
        // A line past the last value would be lost at the next save, as a step file's.
        {"pallet, an 11th line", palletFile, "more.plt", Lines(10) + "77.77\r\n", cannotOpen, "line 11 of 11 follows the last value line, a pallet file has 10 lines: \"77.77\""},
        {"offset, a line after an empty one", offsetFile, "more.OFF", "0\r\n1\r\n2\r\n3\r\n4\r\n\r\n9", cannotOpen, "line 7 of 7 follows the last value line, an offset file has 5 lines: \"9\""},
        {"parameter, a 45th line", parameterFile, "more.prm", parameterLines(0, "1") + "x\r\n\r\n", cannotOpen, "line 45 of 46 follows the last value line, a parameter file has 44 lines: \"x\""},
        // A comma would reach the controller as further fields.
        {"parameter value with a comma", parameterFile, "comma.prm", parameterLines(26, "45,00"), cannotOpen, "line 27: A comma cannot be inputted in Linear interpolation speed"},
    };
    // clang-format on
    for (const auto& [what, open, file, content, message, detail] : cases) {
        SCOPED_TRACE(what);
        TempDir dir;
        WriteBytes(dir / file, content);
        ScriptedPrompter p;
        EXPECT_EQ(open(dir / file, p), OpenOutcome::Stopped);
        EXPECT_EQ(p.messages, (std::vector<Message>{{"notify", message, "Open"}}));
        EXPECT_EQ(p.details, detail.empty() ? std::vector<std::string>{}
                                            : std::vector<std::string>{dir / file + ": " + detail});
    }
}

}  // namespace
}  // namespace mivo::test
