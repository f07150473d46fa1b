// The editors' runs are described as the direct screen's are, with the controller's versions once
// read, and one under way when the editor ends is kept as ended by it.
#include <QAction>
#include <cstdlib>

#include "history/run_history.h"
#include "procedures/run_account.h"
#include "shell/shell_fixture.h"
#include "shell/version_dialog.h"

namespace mivo::test {
namespace {

class EditorRuns : public ShellFixture {};

TEST_F(EditorRuns, VersionsReadOnceNameTheRunsAndARunUnderWayEndsWithTheEditor) {
    useSimulatorAs(1);
    screens.tmmain->show();
    click(lineSwitchOf(screens.tmmain));
    ASSERT_TRUE(link().isOnline());
    EXPECT_EQ(link().knownVersions(), "");
    screens.tmmain->findChild<QAction*>("MenuVersion")->trigger();
    settle();
    const std::string versions = "V1.20/V1.01/V1.02/V1.03/V1.04";
    EXPECT_EQ(link().knownVersions(), versions);
    screens.tver->close();

    // The port closes and opens again as the direct screen takes it: the same controller.
    click(lineSwitchOf(screens.tmmain));
    screens.tdirect->show();
    click(lineSwitchOf(screens.tdirect));
    ASSERT_TRUE(link().isDirectOnline());
    EXPECT_EQ(link().knownVersions(), versions);

    // "@RUN" went out from the step editor, and the editor ends before the run does.
    screens.editorRuns->started(3);
    set.reset();
    const RunHistory history(RunHistoryFile(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    const std::vector<RunRecord> runs = history.runs();
    ASSERT_FALSE(runs.empty());
    const RunRecord& run = runs.back();
    EXPECT_EQ(run.result, RunResult::HostEnded);
    EXPECT_EQ(run.program, 3);
    EXPECT_EQ(run.host, "mivo-editor");
    EXPECT_EQ(run.versions, versions);
}

}  // namespace
}  // namespace mivo::test
