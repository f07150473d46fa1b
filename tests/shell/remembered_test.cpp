// What the editor remembers between runs: a round trip through a settings file into a second set
// of screens, a damaged file, a file that cannot be written, the command line's devices, and
// windows kept on the screens.
#include "app/remembered.h"

#include <QSettings>
#include <QTemporaryDir>

#include "app/open_file.h"
#include "shell/communication_log.h"
#include "shell/editor_frame.h"
#include "shell/port_dialog.h"
#include "shell/settings_dialog.h"
#include "shell/shell_fixture.h"
#include "shell/window_style.h"
#include "steps/step_editor.h"
#include "support/scripted_chooser.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

using Remembered = ShellFixture;

using namespace std::string_literals;  // bytes with NULs in them

std::string Bytes(const QString& path) { return ReadBytes(path.toStdString()); }
void Write(const QString& path, const std::string& bytes) { WriteBytes(path.toStdString(), bytes); }

// A sound file comes back whole (also as the earlier versions wrote it through QSettings); a
// damaged one is taken in no part: it is kept aside, said once, and written anew at the end.
TEST_F(Remembered, PortFoldersRecentFilesAndPlacesComeBackAndADamagedFileIsKeptAside) {
    QTemporaryDir dir;
    const QString file = dir.filePath("mivo-editor.conf");
    // This run: COM3 on an adapter, three saves of two files, the log and trace windows moved.
    screens.tcom->setItemIndex(2);
    link().setDeviceForPort(3, "/dev/ttyUSB7");
    ScriptedChooser chooser;
    screens.tmmain->setFileChooser(&chooser);
    const QStringList recent{dir.filePath(R"(@a, "b" c\;d é.stp)"), dir.filePath("e.stp")};
    for (const QString& name : {recent[1], recent[0]}) {
        prompter.answers = {true, true};  // save, and overwrite
        chooser.name = name;
        screens.tmmain->saveFile();
    }
    screens.commlog->show();
    screens.commlog->setGeometry(30, 40, 300, 200);
    const QRect place = PlaceOf(screens.commlog);
    screens.runTrace->show();
    screens.runTrace->setGeometry(50, 60, 320, 420);
    const QRect tracePlace = PlaceOf(screens.runTrace);
    auto* steps = static_cast<StepEditor*>(screens.tmmain);
    steps->show();
    steps->resize(1200, 600);
    steps->showPathPreview();
    QApplication::processEvents();
    const int dockWidth = steps->pathDockWidth();
    // The cycle estimate calibrated for robot 22; a damaged value is not taken.
    const std::map<int, std::string> calibrations{{22, "0.5 1 2 1 0.02"}};
    steps->setCalibrations({{22, "0.5 1 2 1 0.02"}, {10, "0.5 x"}});
    // The command after each run and the plant's broker.
    const PlantChoice plant{R"(notify "line 3" \ "$MIVO_RESULT")", "mqtt://127.0.0.1:9/line3"};
    screens.settings->setPlant(plant);
    screens.settings->setLanguage("ja");
    ASSERT_TRUE(SaveSettings(file, screens, true));
    const std::string sound = Bytes(file);
    {
        QSettings q(dir.filePath("legacy.conf"), QSettings::IniFormat);
        q.setValue("com/port", 3);
        q.setValue("com/device", "/dev/ttyUSB7");
        q.setValue("step/folder", dir.path());
        q.setValue("step/recent", recent);
        q.setValue("windows/CommunicationLog", place);
        q.setValue("windows/RunTrace", tracePlace);
        q.setValue("windows/PathDock", QRect(0, 0, dockWidth, 300));
        q.setValue("calibration/robot22", "0.5 1 2 1 0.02");
        q.setValue("plant/after_run", QString::fromStdString(plant.afterRun));
        q.setValue("plant/broker", QString::fromStdString(plant.broker));
        q.setValue("display/language", "ja");
    }
    const std::string legacy = Bytes(dir.filePath("legacy.conf"));  // the same through QSettings

    struct Case {
        const char* name;
        std::string bytes;
        bool com = true;  // false: devices given on the command line
        bool read = false;
    };
    const Case cases[] = {
        {"all remembered", sound, true, true},
        {"--com given: the port is not", sound, false, true},
        {"as QSettings wrote it", legacy, true, true},
        {"a port out of range", sound + "[com]\nport=11\n"},
        {"a window's place no rectangle", sound + "[windows]\nTmmain=high\n"},
        {"a calibration of no robot", sound + "[calibration]\nrobotx=\"1 1 1 1 0\"\n"},
        {"a line of no setting", sound + "hello world\n"},
        {"a NUL in a key", sound + "[step]\nfol\0der=/tmp\n"s},
        {"no UTF-8 in the recent files", sound + "[step]\nrecent=/a\xff\xfe.stp\n"},
        {"binary junk", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\x01\x02"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(file, c.bytes);
        QFile::remove(file + ".damaged");
        CreatedScreens next;
        const auto nextSet = createScreens(next, &prompter);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(RestoreSettings(file, next, c.com), c.read);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), c.read ? 0 : 1) << said;
        const bool all = c.read && c.com;
        EXPECT_EQ(next.tcom->portChoice().number, all ? 3 : 1);
        EXPECT_EQ(next.tbuff->deviceForPort(3), all ? "/dev/ttyUSB7" : "/dev/ttyS2");
        EXPECT_EQ(next.tmmain->recentFiles(), c.read ? recent : QStringList());
        EXPECT_EQ(next.tmmain->lastFolder(), c.read ? dir.path() : QString());
        EXPECT_EQ(PlaceOf(next.commlog) == place, c.read);
        EXPECT_EQ(PlaceOf(next.runTrace) == tracePlace, c.read);
        auto* nextSteps = static_cast<StepEditor*>(next.tmmain);
        EXPECT_EQ(nextSteps->pathDockWidth(), c.read ? dockWidth : 0);
        EXPECT_EQ(nextSteps->calibrations(), c.read ? calibrations : decltype(calibrations)());
        EXPECT_EQ(next.settings->plant(), c.read ? plant : PlantChoice{});
        EXPECT_EQ(next.settings->language(), c.read ? "ja" : "");
        // A damaged file is kept for the user, and the end of the run writes a sound one.
        EXPECT_EQ(Bytes(file + ".damaged"), c.read ? "" : c.bytes);
        if (!c.read) {
            EXPECT_TRUE(SaveSettings(file, screens, true));
        }
        EXPECT_EQ(Bytes(file), c.read ? c.bytes : sound);
    }

    // A file damaged again keeps the copy of the first damage: the copies are numbered.
    QFile::remove(file + ".damaged");  // the first loop's, numbered no further
    const std::string damaged[] = {"[com]\nport=11\n", "hello world\n", "[windows]\nTmmain=x\n"};
    for (const std::string& bytes : damaged) {
        Write(file, bytes);
        CreatedScreens next;
        const auto nextSet = createScreens(next, &prompter);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(RestoreSettings(file, next, true));
        ::testing::internal::GetCapturedStderr();
    }
    EXPECT_EQ(Bytes(file + ".damaged"), damaged[0]);
    EXPECT_EQ(Bytes(file + ".damaged-2"), damaged[1]);
    EXPECT_EQ(Bytes(file + ".damaged-3"), damaged[2]);

    // Settings that cannot be written are said. (Through a link, onto a folder or a read-only
    // file the writer the data files share decides, as their own test shows.)
    const QString plain = dir.filePath("plain");
    Write(plain, "x");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveSettings(plain + "/mivo-editor.conf", screens, true));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot be written"), std::string::npos) << said;
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
