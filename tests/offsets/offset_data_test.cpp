// Offset files on disk and the text conversion of an open.
#include "offsets/offset_data.h"

#include <gtest/gtest.h>

#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

using test::Message;
using test::ReadBytes;
using test::ScriptedPrompter;
using test::TempDir;
using test::WriteBytes;

TEST(OffsetFiles, RoundTripPerFormat) {
    OffsetData odd;
    odd.program = "2";
    odd.values = {"1.50", "", " -3", "caf\xe9"};
    EXPECT_EQ(OffsetFileText(odd), "2\r\n1.50\r\n\r\n -3\r\ncaf\xe9\r\n");
    struct Case {
        const char* name;
        int filter;
        const char* written;
    } cases[] = {
        {"o", OffFilterOff, "o.off"},     {"oOFF", OffFilterOff, "oOFF.off"},
        {"xoff", OffFilterOff, "xoff"},   {"o", OffFilterCsv, "o.csv"},
        {"o.txt", OffFilterAll, "o.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ScriptedPrompter p;
        ASSERT_TRUE(SaveOffsetFile(odd, dir / c.name, c.filter, p));
        EXPECT_EQ(ReadBytes(dir / c.written), OffsetFileText(odd));
        OffsetData back;
        EXPECT_EQ(OpenOffsetFile(back, dir / c.written, c.filter, p), OpenOutcome::Completed);
        EXPECT_EQ(p.messages, (std::vector<Message>{{"notify", "Saved", "Save"},
                                                    {"notify", "Complete", "Open"}}));
        EXPECT_EQ(back, odd);
    }
}

TEST(OffsetFiles, ShortFileIsRefusedWhole) {
    struct Case {
        std::string content;
        std::string detail;
    } cases[] = {
        {"1\r\n2\r\n3\r\n4\r\n", "the file has 4 lines; an offset file has 5, one value a line"},
        {"1", "the file has 1 line; an offset file has 5, one value a line"},
        {"", "the file has 0 lines; an offset file has 5, one value a line"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.detail);
        TempDir dir;
        WriteBytes(dir / "short.OFF", c.content);
        OffsetData data;
        data.program = "4";
        data.values[2] = "9.99";
        const OffsetData before = data;
        ScriptedPrompter p;
        EXPECT_EQ(OpenOffsetFile(data, dir / "short.OFF", OffFilterOff, p), OpenOutcome::Stopped);
        EXPECT_EQ(p.messages, (std::vector<Message>{{"notify", "File cannot be open", "Open"}}));
        EXPECT_EQ(p.details, std::vector<std::string>{dir / "short.OFF" + ": " + c.detail});
        EXPECT_EQ(data, before);
    }
}

}  // namespace
}  // namespace mivo
