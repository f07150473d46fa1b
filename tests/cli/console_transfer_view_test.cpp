// Progress of mivo's transfers: on a terminal one line updated in place, which a message clears
// before it is printed; elsewhere nothing.
#include "cli/console_transfer_view.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mivo {
namespace {

TEST(ConsoleTransferView, ProgressOnATerminalOnly) {
    for (const bool terminal : {true, false}) {
        SCOPED_TRACE(terminal);
        std::ostringstream err;
        ConsoleTransferView view(err, terminal);
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
        EXPECT_EQ(err.str(), terminal ? "\rstep 1 of 1000\rstep 120 of 1000" + blank(16) +
                                            "\rstep 1000 of 1000" + blank(17)
                                      : "");
        view.setCancelRequested(true);
        EXPECT_TRUE(view.cancelRequested());
    }
}

}  // namespace
}  // namespace mivo
