// The terminal's answers to the three-way question: only a clear Yes or No gives one; anything
// else, and no input at all, leaves everything as it was.
#include "cli/console_prompter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mivo {
namespace {

TEST(ConsolePrompter, YesNoCancelQuestion) {
    using A = Prompter::Answer;
    struct Case {
        const char* input;
        bool yes;  // --yes
        A answer;
    } cases[] = {
        {"y\n", false, A::Yes},    {" YES \n", false, A::Yes}, {"n\n", false, A::No},
        {"No\n", false, A::No},    {"\n", false, A::Cancel},   {"", false, A::Cancel},
        {"q\n", false, A::Cancel}, {"", true, A::Yes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        std::istringstream in(c.input);
        std::ostringstream out, err;
        ConsolePrompter prompter(in, out, err, c.yes);
        EXPECT_EQ(prompter.askYesNoCancel("Is step data saved?", "Step contents"), c.answer);
        EXPECT_EQ(err.str().rfind("Step contents: Is step data saved? [y/n/C] ", 0), 0u);
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
}  // namespace mivo
