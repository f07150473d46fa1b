#include "cli/console_prompter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mivo {
namespace {

TEST(ConsolePrompter, AnswersFromInput) {
    struct Case {
        std::string input;
        bool yes;
    } cases[] = {
        {"y\n", true},  {"Y\n", true}, {"yes\n", true}, {" YES \r\n", true}, {"yes", true},
        {"n\n", false}, {"\n", false}, {"", false},     {"yess\n", false},   {"no\ny\n", false},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.input);
        std::ostringstream out, err;
        ConsolePrompter p(in, out, err, false);
        EXPECT_EQ(p.ask("Overwrite?", "Program save"), c.yes) << c.input;
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str().rfind("Program save: Overwrite? [y/N] ", 0), 0u) << err.str();
    }
}

TEST(ConsolePrompter, YesFlagAndOutputFormats) {
    std::istringstream in("n\n");
    std::ostringstream out, err;
    ConsolePrompter p(in, out, err, true);
    EXPECT_TRUE(p.ask("Send to PGM0 will be executed.  OK?", "Step send"));
    EXPECT_EQ(in.tellg(), 0);  // nothing read
    p.notify("Saved", "Save");
    p.showControllerError("");
    p.showControllerError("E12");
    p.notifyDetail("Port cannot be open", "Circuit open", "/dev/ttyS0: No such file");
    EXPECT_EQ(err.str(), "Step send: Send to PGM0 will be executed.  OK? [y/N] y\n");
    EXPECT_EQ(out.str(),
              "Save: Saved\nError display: E12\nCircuit open: Port cannot be open\n"
              "  /dev/ttyS0: No such file\n");
}

}  // namespace
}  // namespace mivo
