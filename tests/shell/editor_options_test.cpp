#include <gtest/gtest.h>

#include <tuple>

#include "app/options.h"

namespace mivo {
namespace {

// The options, the file to open and what is refused.
TEST(EditorOptions, ParsesTheCommandLine) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        std::map<int, std::string> devices = {};
        bool simulator = false, help = false, version = false;
        std::string file = {};
        std::string language = {};
    };
    // clang-format off
    const Case cases[] = {
        {{}, true},
        {{"--com", "1=/dev/a", "--com=8=/dev/b"}, true, {{1, "/dev/a"}, {8, "/dev/b"}}},
        {{"--com", "3=/dev/a", "--com", "3=/dev/b"}, true, {{3, "/dev/b"}}},
        {{"--simulator", "--com", "2=/dev/x"}, true, {{2, "/dev/x"}}, true},
        {{"--help"}, true, {}, false, true},
        {{"--version"}, true, {}, false, false, true},
        {{"--com", "1=/dev/ttyUSB0", "pick.stp"}, true, {{1, "/dev/ttyUSB0"}}, false, false, false, "pick.stp"},
        {{"--lang", "ja", "--lang=de"}, true, {}, false, false, false, {}, "de"},
        {{"--lang", "fr"}, false},
        {{"--lang"}, false},
        {{"a.stp", "b.stp"}, false},
        {{"--com"}, false},
        {{"--com", "0=/dev/a"}, false},
        {{"--com", "9=/dev/a"}, false},
        {{"--com", "2="}, false},
        {{"--simulator", "--com", "1=/dev/a"}, false},
        {{"--verbose"}, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::string joined;
        for (const auto& a : c.args) joined += a + " ";
        SCOPED_TRACE(joined);
        const EditorOptionsResult r = ParseEditorOptions(c.args);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.error.empty(), c.ok);
        if (!c.ok) continue;
        const EditorOptions& o = r.options;
        EXPECT_EQ(std::tuple(o.devices, o.simulator, o.help, o.version, o.file, o.language),
                  std::tuple(c.devices, c.simulator, c.help, c.version, c.file, c.language));
    }
}

}  // namespace
}  // namespace mivo
