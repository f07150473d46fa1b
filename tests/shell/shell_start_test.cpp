#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QSignalSpy>

#include "link/serial_port.h"
#include "shell/modified_flags.h"
#include "shell/tcom.h"
#include "shell_fixture.h"
#include "support/scripted_chooser.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

using ShellStart = ShellFixture;

TEST_F(ShellStart, ScreensAreCreatedInOrderAndOnlyTheStartScreenShows) {
    const std::vector<std::string> order = {
        "Tselect", "Tteach",  "Tmmain",  "Tparameter", "TVer",     "Terror",
        "Tcom",    "Tdirect", "Tpalet",  "Tcall",      "Tcommand", "Tinit",
        "Terr",    "TBuff",   "TCancel", "Toffset",    "Tprint",   "Treadoff"};
    EXPECT_EQ(set->creationOrder(), order);

    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            EXPECT_EQ(w, screens.tselect) << w->objectName().toStdString();
        }
    }
    EXPECT_TRUE(screens.tselect->isVisible());
    EXPECT_FALSE(link().isOnline());
}

TEST_F(ShellStart, StartWithoutADeviceReportsThePortOnceAndStaysOffline) {
    pressStart();
    EXPECT_FALSE(screens.tselect->isVisible());
    EXPECT_TRUE(screens.tmmain->isVisible());
    const std::vector<Message> expected = {{"notify", "Port cannot be open", "Circuit open"}};
    EXPECT_EQ(prompter.messages, expected);
    EXPECT_FALSE(link().isOnline());
    expectSwitches("Offline");
    ASSERT_NE(screens.tmmain->menuAction("COM set"), nullptr);
    EXPECT_TRUE(screens.tmmain->menuAction("COM set")->isEnabled());
}

TEST_F(ShellStart, StartOnLineShowsOnlineEverywhereAndOneSwitchTakesAllOffline) {
    useSimulatorAs(1);
    pressStart();
    EXPECT_TRUE(prompter.messages.empty());
    ASSERT_TRUE(link().isOnline());
    expectSwitches("Online");
    EXPECT_FALSE(screens.tmmain->menuAction("COM set")->isEnabled());

    click(lineSwitchOf(screens.tparameter));
    EXPECT_FALSE(link().isOnline());
    expectSwitches("Offline");
    EXPECT_TRUE(screens.tmmain->menuAction("COM set")->isEnabled());

    // And back on line from another editor's switch.
    click(lineSwitchOf(screens.tmmain));
    EXPECT_TRUE(link().isOnline());
    expectSwitches("Online");
}

TEST_F(ShellStart, ShowingTheStartScreenAgainTakesTheLinkOffline) {
    useSimulatorAs(1);
    pressStart();
    ASSERT_TRUE(link().isOnline());
    screens.tmmain->endEditor();
    EXPECT_TRUE(screens.tselect->isVisible());
    EXPECT_FALSE(link().isOnline());
    expectSwitches("Offline");
    // Starting again goes on line again.
    pressStart();
    EXPECT_TRUE(link().isOnline());
}

TEST_F(ShellStart, ChosenComPortIsOpenedAtTheNextGoingOnLine) {
    useSimulatorAs(2);
    pressStart();  // COM1 is missing
    ASSERT_EQ(prompter.messages.size(), 1u);
    prompter.messages.clear();

    screens.tmmain->comSet();
    ASSERT_TRUE(screens.tcom->isVisible());
    EXPECT_FALSE(screens.tmmain->isEnabled());
    EXPECT_EQ(screens.tcom->deviceShown(1), QString(kMissingDevice));
    EXPECT_EQ(screens.tcom->deviceShown(2), pty.devicePath());
    click(screens.tcom->findChild<QRadioButton*>("COM2"));
    click(screens.tcom->findChild<QPushButton*>("Set"));
    EXPECT_FALSE(screens.tcom->isVisible());
    EXPECT_TRUE(screens.tmmain->isEnabled());
    EXPECT_EQ(screens.tcom->itemIndex(), 1);

    click(lineSwitchOf(screens.tmmain));
    EXPECT_TRUE(prompter.messages.empty());
    ASSERT_TRUE(link().isOnline());
    EXPECT_EQ(link().mainChannel().request("@?NO"), "0");
    expectSwitches("Online");
}

// Below the eight COM items the dialog offers the serial ports the system reports (a USB
// adapter), read anew at every opening; the one chosen is what the line opens.
TEST_F(ShellStart, ReportedSerialPortCanBeChosen) {
    std::vector<ReportedPort> reported = {
        {"/dev/ttyS1", "", ""},  // COM2 opens it already: not offered twice
        {pty.devicePath(), "USB-Serial Controller", "Prolific Technology Inc."},
    };
    int listed = 0;
    screens.tcom->setPortLister([&] {
        ++listed;
        return reported;
    });
    screens.tselect->hide();
    screens.tmmain->show();
    screens.tmmain->comSet();
    ASSERT_TRUE(screens.tcom->isVisible());
    EXPECT_EQ(listed, 1);
    std::vector<QRadioButton*> found;
    for (QRadioButton* r : screens.tcom->findChildren<QRadioButton*>())
        if (!r->text().startsWith("COM")) found.push_back(r);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0]->text().contains(pty.devicePath()));
    EXPECT_TRUE(found[0]->text().contains("USB-Serial Controller"));
    EXPECT_TRUE(found[0]->text().contains("Prolific Technology Inc."));
    click(found[0]);
    click(screens.tcom->findChild<QPushButton*>("Set"));

    click(lineSwitchOf(screens.tmmain));
    EXPECT_TRUE(prompter.messages.empty());
    ASSERT_TRUE(link().isOnline());
    EXPECT_EQ(link().mainChannel().request("@?NO"), "0");
    click(lineSwitchOf(screens.tmmain));

    // Unplugged: the choice stays, marked, until another is made.
    reported.clear();
    screens.tmmain->comSet();
    EXPECT_EQ(listed, 2);
    QRadioButton* kept = nullptr;
    for (QRadioButton* r : screens.tcom->findChildren<QRadioButton*>())
        if (r->isChecked()) kept = r;
    ASSERT_NE(kept, nullptr);
    EXPECT_TRUE(kept->text().contains(pty.devicePath()));
    EXPECT_TRUE(kept->text().contains("not found"));
    click(screens.tcom->findChild<QRadioButton*>("COM1"));
    click(screens.tcom->findChild<QPushButton*>("Set"));
    click(lineSwitchOf(screens.tmmain));
    EXPECT_FALSE(link().isOnline());  // COM1 is the missing device
}

// Closing must not lose work: Cancel, a save dialog cancelled, overwriting declined or a save
// that fails keeps the program open with everything as it was; no further question is asked.
TEST_F(ShellStart, ClosingKeepsTheProgramOpenUnlessEveryChangeIsSavedOrGivenUp) {
    using A = Prompter::Answer;
    test::TempDir dir;
    test::WriteBytes(dir / "taken.stp", "old");
    struct Case {
        const char* what;
        std::deque<A> choices;
        std::deque<bool> answers;  // the save's own question
        std::string file;          // the save dialog's answer; empty: cancelled
        bool ended;
        std::vector<std::string> messages;
    };
    // clang-format off
    const Case cases[] = {
        {"Cancel", {A::Cancel}, {}, "", false, {"Is step data saved?"}},
        {"save dialog cancelled", {A::Yes}, {}, "", false, {"Is step data saved?"}},
        {"overwrite declined", {A::Yes}, {false}, dir / "taken.stp", false, {"Is step data saved?", "File of the same name exists.  Overwrite?"}},
        {"write failed", {A::Yes}, {}, dir / "no-such-folder/p.stp", false, {"Is step data saved?", "Cannot write " + dir / "no-such-folder/p.stp" + ": No such file or directory"}},
        {"saved, pallet given up", {A::Yes, A::No}, {}, dir / "p.stp", true, {"Is step data saved?", "Saved", "Is pallet data saved?"}},
    };
    // clang-format on
    test::ScriptedChooser chooser;
    screens.tmmain->setFileChooser(&chooser);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        screens.flags->set(DataKind::Step, true);
        screens.flags->set(DataKind::Pallet, true);
        prompter.messages.clear();
        prompter.choices = c.choices;
        prompter.answers = c.answers;
        chooser.name = QString::fromStdString(c.file);
        screens.tselect->show();
        QSignalSpy ended(screens.tselect, &Tselect::programEnded);

        EXPECT_EQ(screens.tselect->close(), c.ended);
        EXPECT_EQ(prompter.texts(), c.messages);
        EXPECT_EQ(ended.count(), c.ended ? 1 : 0);
        EXPECT_EQ(screens.tselect->isVisible(), !c.ended);
        EXPECT_TRUE(screens.flags->isSet(DataKind::Step));
        EXPECT_TRUE(screens.flags->isSet(DataKind::Pallet));
    }
    EXPECT_EQ(test::ReadBytes(dir / "taken.stp"), "old");
    screens.tmmain->setFileChooser(nullptr);
}

TEST_F(ShellStart, KeyOnTheStartButtonChoosesTheLayout) {
    struct Case {
        Qt::KeyboardModifiers modifiers;
        bool service;
    };
    const Case cases[] = {
        {Qt::ControlModifier | Qt::ShiftModifier, true},
        {Qt::NoModifier, false},
        {Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, true},
        {Qt::ShiftModifier, false},
        {Qt::ControlModifier, false},
    };
    QSignalSpy changed(screens.tselect, &Tselect::serviceLayoutChanged);
    QPushButton* start = screens.tselect->findChild<QPushButton*>("Button1");
    for (const Case& c : cases) {
        QTest::keyClick(start, Qt::Key_Q, c.modifiers);
        EXPECT_EQ(screens.tselect->serviceLayout(), c.service) << int(c.modifiers);
    }
    EXPECT_EQ(changed.count(), 4);
    EXPECT_FALSE(link().isOnline());  // a key is no start
}

TEST_F(ShellStart, ClosingAScreenReturnsToTheStartScreen) {
    for (QWidget* w :
         {screens.tparameter, screens.tpalet, screens.toffset, screens.tdirect, screens.tteach,
          screens.tprint, screens.treadoff, static_cast<QWidget*>(screens.tmmain)}) {
        SCOPED_TRACE(w->objectName().toStdString());
        screens.tselect->hide();
        w->show();
        w->close();
        EXPECT_FALSE(w->isVisible());
        EXPECT_TRUE(screens.tselect->isVisible());
    }
}

TEST_F(ShellStart, DirectSwitchWorksOnTheDirectChannel) {
    useSimulatorAs(1);
    screens.tdirect->show();
    QPushButton* s = lineSwitchOf(screens.tdirect);
    EXPECT_EQ(s->toolTip(), "Line switch");
    EXPECT_EQ(s->text(), "Offline");
    click(s);
    EXPECT_TRUE(link().isDirectOnline());
    EXPECT_EQ(s->text(), "Online");
    EXPECT_EQ(link().directChannel().request("@?NO"), "0");
    click(s);
    EXPECT_FALSE(link().isDirectOnline());
    EXPECT_EQ(s->text(), "Offline");
}

}  // namespace
}  // namespace mivo::test
