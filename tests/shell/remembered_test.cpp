// What the editor remembers between runs: a round trip through a settings file into a second set
// of screens, a damaged file, the command line's devices, and windows kept on the screens.
#include "app/remembered.h"

#include <QSettings>
#include <QTemporaryDir>

#include "app/open_file.h"
#include "shell/communication_log.h"
#include "shell/editor_frame.h"
#include "shell/shell_fixture.h"
#include "shell/tcom.h"
#include "support/scripted_chooser.h"

namespace mivo::test {
namespace {

using Remembered = ShellFixture;

TEST_F(Remembered, PortFoldersRecentFilesAndPlacesComeBackAndADamagedFileIsIgnored) {
    QTemporaryDir dir;
    const QString file = dir.filePath("mivo-editor.conf");
    // This run: COM3 on an adapter, three saves of two files, the log window moved.
    screens.tcom->setItemIndex(2);
    link().setDeviceForPort(3, "/dev/ttyUSB7");
    ScriptedChooser chooser;
    screens.tmmain->setFileChooser(&chooser);
    for (const char* name : {"a.stp", "b.stp", "a.stp"}) {
        prompter.answers = {true, true};  // save, and overwrite
        chooser.name = dir.filePath(name);
        screens.tmmain->saveFile();
    }
    screens.commlog->show();
    screens.commlog->setGeometry(30, 40, 300, 200);
    {
        QSettings settings(file, QSettings::IniFormat);
        SaveSettings(settings, screens, true);
    }

    struct Case {
        const char* name;
        QByteArray damage;  // written over the file first; empty: none
        bool com;           // false: devices given on the command line
    };
    const Case cases[] = {
        {"all remembered", "", true},
        {"--com given: the port is not", "", false},
        {"a port out of range", "[com]\nport=11\n", true},
        {"a window's place no rectangle", "[windows]\nTmmain=high\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile f(file);
        if (!c.damage.isEmpty() && f.open(QIODevice::Append)) f.write(c.damage);
        f.close();
        Screens next;
        const auto nextSet = createScreens(next, &prompter);
        QSettings settings(file, QSettings::IniFormat);
        ::testing::internal::CaptureStderr();
        const bool read = RestoreSettings(settings, next, c.com);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(read, c.damage.isEmpty());
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), read ? 0 : 1) << said;
        const bool all = read && c.com;
        EXPECT_EQ(next.tcom->portChoice().number, all ? 3 : 1);
        EXPECT_EQ(next.tbuff->deviceForPort(3), all ? "/dev/ttyUSB7" : "/dev/ttyS2");
        EXPECT_EQ(
            next.tmmain->recentFiles(),
            read ? QStringList({dir.filePath("a.stp"), dir.filePath("b.stp")}) : QStringList());
        EXPECT_EQ(next.tmmain->lastFolder(), read ? dir.path() : QString());
        EXPECT_EQ(next.commlog->geometry() == QRect(30, 40, 300, 200), read);
        // The end of a run with a damaged file writes it anew.
        if (!read) SaveSettings(settings, screens, true);
    }
}

// The file given on the command line opens in the editor of its kind, in place of the start
// screen; a name of no kind opens nothing.
TEST_F(Remembered, AFileGivenOpensInTheEditorOfItsKind) {
    QTemporaryDir dir;
    ScriptedChooser chooser;
    auto* parameters = static_cast<EditorFrame*>(screens.tparameter);
    parameters->setFileChooser(&chooser);
    prompter.answers = {true};
    chooser.name = dir.filePath("robot.prm");
    parameters->saveFile();
    EXPECT_FALSE(OpenInEditor(screens, dir.filePath("notes.txt")));
    EXPECT_TRUE(OpenInEditor(screens, dir.filePath("robot.prm")));
    EXPECT_FALSE(screens.tselect->isVisible());
    EXPECT_TRUE(parameters->isVisible());
    EXPECT_EQ(prompter.texts().back(), "Complete");
}

TEST(KeptOnScreen, AWindowLandsWhollyOnTheScreenItOverlapsMost) {
    const QRect left(0, 0, 1280, 1024), right(1280, 0, 1920, 1080);
    struct Case {
        const char* name;
        QRect window;
        QList<QRect> areas;
        QRect kept;
    };
    // clang-format off
    const Case cases[] = {
        {"inside: as it was", {100, 100, 800, 600}, {left}, {100, 100, 800, 600}},
        {"off the right edge: moved in", {900, 500, 800, 600}, {left}, {480, 424, 800, 600}},
        {"larger than the screen: fitted", {-50, -50, 1600, 1200}, {left}, {0, 0, 1280, 1024}},
        {"mostly on the second screen: stays there", {1200, 100, 800, 600}, {left, right}, {1280, 100, 800, 600}},
        {"on a screen since gone: onto the first", {2000, 100, 800, 600}, {left}, {480, 100, 800, 600}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KeptOnScreen(c.window, c.areas), c.kept);
    }
}

}  // namespace
}  // namespace mivo::test
