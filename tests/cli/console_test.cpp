// mivo's terminal: the answers to the three-way question, where only a clear Yes or No gives one
// and anything else, or no input at all, leaves everything as it was; and the progress of its
// transfers, on a terminal one line updated in place, which a message clears before it is
// printed (elsewhere nothing, as the runs of `mivo` in MivoPort show).
#include <gtest/gtest.h>

#include <sstream>

#include "cli/console_prompter.h"
#include "cli/console_transfer_view.h"

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

TEST(ConsoleTransferView, ProgressOnATerminal) {
    std::ostringstream err;
    ConsoleTransferView view(err, true);
    view.showCancel();
    view.showProgress(999);  // steps 0 to 999
    view.setProgress(1);
    view.setProgress(120);
    view.clearLine();  // a message comes
    view.clearLine();
    view.setProgress(1000);
    view.hideProgress();
    view.hideCancel();
    // The line is blanked as wide as it was.
    auto blank = [](std::size_t n) { return "\r" + std::string(n, ' ') + "\r"; };
    EXPECT_EQ(err.str(),
              "\rstep 1 of 1000\rstep 120 of 1000" + blank(16) + "\rstep 1000 of 1000" + blank(17));
}

}  // namespace
}  // namespace mivo
