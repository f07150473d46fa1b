#include <gtest/gtest.h>

#include <tuple>

#include "app/options.h"

namespace mivo {
namespace {

TEST(EditorOptions, ParsesTheCommandLine) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        std::map<int, std::string> devices;
        bool simulator;
        bool help;
    };
    // clang-format off
    const Case cases[] = {
        {{}, true, {}, false, false},
        {{"--com", "2=/dev/ttyUSB0"}, true, {{2, "/dev/ttyUSB0"}}, false, false},
        {{"--com", "1=/dev/a", "--com=8=/dev/b"}, true, {{1, "/dev/a"}, {8, "/dev/b"}}, false, false},
        {{"--com", "3=/dev/a", "--com", "3=/dev/b"}, true, {{3, "/dev/b"}}, false, false},
        {{"--simulator", "--com", "2=/dev/x"}, true, {{2, "/dev/x"}}, true, false},
        {{"--help"}, true, {}, false, true},
        {{"--com"}, false, {}, false, false},
        {{"--com", "0=/dev/a"}, false, {}, false, false},
        {{"--com", "9=/dev/a"}, false, {}, false, false},
        {{"--com", "10=/dev/a"}, false, {}, false, false},
        {{"--com", "2"}, false, {}, false, false},
        {{"--com", "2="}, false, {}, false, false},
        {{"--simulator", "--com", "1=/dev/a"}, false, {}, false, false},
        {{"--verbose"}, false, {}, false, false},
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
        EXPECT_EQ(r.options.devices, c.devices);
        EXPECT_EQ(r.options.simulator, c.simulator);
        EXPECT_EQ(r.options.help, c.help);
    }
}

TEST(EditorOptions, TakesOneFileAndAskingForTheVersion) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        std::string file;
        bool version;
    };
    const Case cases[] = {
        {{"/home/u/pick.stp"}, true, "/home/u/pick.stp", false},
        {{"--com", "1=/dev/ttyUSB0", "pick.stp"}, true, "pick.stp", false},
        {{"--version"}, true, "", true},
        {{"a.stp", "b.stp"}, false, "a.stp", false},
    };
    for (const Case& c : cases) {
        const EditorOptionsResult r = ParseEditorOptions(c.args);
        EXPECT_EQ(std::tuple(r.ok, r.options.file, r.options.version),
                  std::tuple(c.ok, c.file, c.version));
    }
}

}  // namespace
}  // namespace mivo
