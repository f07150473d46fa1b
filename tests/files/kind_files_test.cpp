// The pallet, offset and parameter files on disk: each kind's text, read back in every format,
// and a file too short for its kind refused whole.
#include <gtest/gtest.h>

#include <functional>

#include "offsets/offset_data.h"
#include "pallets/pallet_data.h"
#include "parameters/parameter_files.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

using test::Message;
using test::ReadBytes;
using test::ScriptedPrompter;
using test::TempDir;
using test::WriteBytes;

const Message kCannotOpen{"notify", "File cannot be open", "Open"};

// Values as odd as a user or a controller may leave them.
const PalletData kPallet{
    "3", {"10.00", "-2.5", "", " 7", "1,5", "caf\xe9", "0", "12", "x\r"}, "", ""};
const OffsetData kOffset{"2", {"1.50", "", " -3", "caf\xe9"}};

// Saves `odd` as `name` with `save`, then opens the file into `back` with `open`: the file
// holds `text` and `back` the odd data (a pallet's Z cells of P2 and P3 emptied).
template <class Data, class Save, class Open>
void ExpectRoundTrip(const Data& odd, Save save, Open open, Data back, const std::string& name,
                     int saveFilter, int openFilter, const std::string& text) {
    TempDir dir;
    ScriptedPrompter p;
    ASSERT_TRUE(save(odd, dir / name, saveFilter, p));
    EXPECT_EQ(ReadBytes(dir / name), text);
    EXPECT_EQ(open(back, dir / name, openFilter, p), OpenOutcome::Completed);
    EXPECT_EQ(p.messages,
              (std::vector<Message>{{"notify", "Saved", "Save"}, {"notify", "Complete", "Open"}}));
    EXPECT_EQ(back, odd);
}

TEST(KindFiles, RoundTripPerFormat) {
    const std::string pallet =
        "3\r\n10.00\r\n-2.5\r\n\r\n 7\r\n1,5\r\ncaf\xe9\r\n0\r\n12\r\nx\r\r\n";
    const std::string offset = "2\r\n1.50\r\n\r\n -3\r\ncaf\xe9\r\n";
    const auto savePallet = [](const PalletData& d, const std::string& n, int f, Prompter& p) {
        return SavePalletFile(d, n, f, p);
    };
    const auto saveExit = [](const PalletData& d, const std::string& n, int f, Prompter& p) {
        return SavePalletFile(d, n, f, p, PalletExitFileKind());
    };
    const PalletData other{"0", {}, "in P2", "in P3"};
    struct Case {
        const char* name;
        std::function<void()> check;
    } cases[] = {
        // clang-format off
        {"p.plt", [&] { ExpectRoundTrip(kPallet, savePallet, OpenPalletFile, other, "p.plt", PltSavePlt, PltOpenPlt, pallet); }},
        {"p.csv", [&] { ExpectRoundTrip(kPallet, savePallet, OpenPalletFile, other, "p.csv", PltSaveCsv, PltOpenCsv, pallet); }},
        {"p.txt", [&] { ExpectRoundTrip(kPallet, savePallet, OpenPalletFile, other, "p.txt", PltSaveAll, PltOpenAll, pallet); }},
        {"exit.plt", [&] { ExpectRoundTrip(kPallet, saveExit, OpenPalletFile, other, "exit.plt", PltSavePlt, PltOpenPlt, pallet); }},
        {"o.off", [&] { ExpectRoundTrip(kOffset, SaveOffsetFile, OpenOffsetFile, {}, "o.off", OffFilterOff, OffFilterOff, offset); }},
        {"o.csv", [&] { ExpectRoundTrip(kOffset, SaveOffsetFile, OpenOffsetFile, {}, "o.csv", OffFilterCsv, OffFilterCsv, offset); }},
        {"o.txt", [&] { ExpectRoundTrip(kOffset, SaveOffsetFile, OpenOffsetFile, {}, "o.txt", OffFilterAll, OffFilterAll, offset); }},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.check();
    }
    // Lines after a pallet file's tenth are ignored.
    PalletData data;
    ScriptedPrompter p;
    EXPECT_TRUE(ConvertPalletText(data, pallet + "v11\r\nv12", p));
    EXPECT_EQ(data, kPallet);
}

// Opens a file into `data` with `open` (`filter`): the data must stay exactly as they were.
template <class Data, class Open>
std::function<OpenOutcome(const std::string&, Prompter&)> Refusing(Data data, Open open,
                                                                   int filter) {
    return [=](const std::string& path, Prompter& p) mutable {
        const Data before = data;
        const OpenOutcome o = open(data, path, filter, p);
        EXPECT_TRUE(data == before);
        return o;
    };
}

std::string Lines(int count) {
    std::string out;
    for (int k = 1; k <= count; ++k) out += "v" + std::to_string(k) + "\r\n";
    return out;
}

TEST(KindFiles, ShortFileIsRefusedWhole) {
    PalletData pallet = kPallet;
    pallet.z2 = "kept";
    ParameterTable table;
    table.setValue(1, "2");
    table.setValue(PalletParameter(0, PalletX1), "kept");
    const auto palletFile = Refusing(pallet, OpenPalletFile, PltOpenPlt);
    const auto offsetFile = Refusing(kOffset, OpenOffsetFile, OffFilterOff);
    const auto parameterFile = Refusing(table, OpenParameterFile, PrmOpenPrm);
    const auto zebFile = Refusing(table, OpenParameterFile, PrmOpenCrd);
    struct Case {
        const char* what;
        std::function<OpenOutcome(const std::string&, Prompter&)> open;
        const char* file;
        std::string content;
        std::string detail;
    } cases[] = {
        // clang-format off
        {"pallet, 9 lines", palletFile, "short.plt", Lines(9), "the file has 9 lines; a pallet file has 10, one value a line"},
        {"pallet, 1 line", palletFile, "short.plt", "5", "the file has 1 line; a pallet file has 10, one value a line"},
        {"pallet, empty", palletFile, "short.plt", "", "the file has 0 lines; a pallet file has 10, one value a line"},
        {"offset, 4 lines", offsetFile, "short.OFF", "1\r\n2\r\n3\r\n4\r\n", "the file has 4 lines; an offset file has 5, one value a line"},
        {"offset, 1 line", offsetFile, "short.OFF", "1", "the file has 1 line; an offset file has 5, one value a line"},
        {"offset, empty", offsetFile, "short.OFF", "", "the file has 0 lines; an offset file has 5, one value a line"},
        {"parameter, 43 lines", parameterFile, "short.prm", Lines(43), "the file has 43 lines; a parameter file has 44, one value a line"},
        {"parameter, 1 line", parameterFile, "short.prm", "v1", "the file has 1 line; a parameter file has 44, one value a line"},
        {"parameter, empty", parameterFile, "short.prm", "", "the file has 0 lines; a parameter file has 44, one value a line"},
        {"ZEB parameters, steps only", zebFile, "short.crd", Lines(1001),
         "the file has 1001 lines; the parameters of a ZEB data file stand in lines 1002 to 1011"},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteBytes(dir / c.file, c.content);
        ScriptedPrompter p;
        EXPECT_EQ(c.open(dir / c.file, p), OpenOutcome::Stopped);
        EXPECT_EQ(p.messages, std::vector<Message>{kCannotOpen});
        EXPECT_EQ(p.details, std::vector<std::string>{dir / c.file + ": " + c.detail});
    }
}

}  // namespace
}  // namespace mivo
