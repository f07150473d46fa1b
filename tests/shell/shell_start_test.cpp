#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QUrl>
#include <filesystem>

#include "link/serial_port.h"
#include "parameters/parameter_table.h"
#include "shell/communication_log.h"
#include "shell/modified_flags.h"
#include "shell/port_dialog.h"
#include "shell_fixture.h"
#include "support/modal_channel.h"
#include "support/scripted_chooser.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

using ShellStart = ShellFixture;

// What the desktop was asked to open.
class OpenedUrls : public QObject {
    Q_OBJECT
  public:
    std::vector<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

// One line state for every editor: Start goes on line, any editor's switch takes all of them
// on or off line, and the start screen shown again (as closing any screen does) takes it off.
TEST_F(ShellStart, StartAndEveryEditorsSwitchShareOneLine) {
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(w->isVisible(), w == screens.tselect) << w->objectName().toStdString();
    // COM1 names no device: said once, and the editor shows off line.
    pressStart();
    EXPECT_FALSE(screens.tselect->isVisible());
    EXPECT_TRUE(screens.tmmain->isVisible());
    EXPECT_EQ(prompter.messages,
              (std::vector<Message>{{"notify", "Port cannot be open", "Circuit open"}}));
    EXPECT_FALSE(link().isOnline());
    expectSwitches("Offline");
    QAction* comSet = screens.tmmain->menuAction("COM set");
    ASSERT_NE(comSet, nullptr);
    EXPECT_TRUE(comSet->isEnabled());

    useSimulatorAs(1);
    click(lineSwitchOf(screens.tmmain));
    ASSERT_TRUE(link().isOnline());
    expectSwitches("Online");
    EXPECT_FALSE(comSet->isEnabled());
    click(lineSwitchOf(screens.tparameter));
    EXPECT_FALSE(link().isOnline());
    expectSwitches("Offline");
    EXPECT_TRUE(comSet->isEnabled());

    screens.tmmain->endEditor();
    pressStart();
    EXPECT_TRUE(link().isOnline());
    expectSwitches("Online");
    screens.tmmain->endEditor();
    EXPECT_TRUE(screens.tselect->isVisible());
    EXPECT_FALSE(link().isOnline());
    expectSwitches("Offline");
    EXPECT_EQ(prompter.messages.size(), 1u);

    // Closing any screen shows the start screen again.
    for (QWidget* w : {screens.tparameter, screens.tpalet, screens.toffset, screens.tdirect,
                       static_cast<QWidget*>(screens.tmmain)}) {
        SCOPED_TRACE(w->objectName().toStdString());
        screens.tselect->hide();
        w->show();
        w->close();
        EXPECT_FALSE(w->isVisible());
        EXPECT_TRUE(screens.tselect->isVisible());
    }
}

// The COM selection offers the eight COM items and, below them, the serial ports the system
// reports (a USB adapter, with what it tells of itself), read anew at every opening; the choice
// is what the line opens next. An adapter is chosen by its stable name (which finds it again
// under another device, as that name's own test shows).
TEST_F(ShellStart, ChosenPortIsOpenedAtTheNextGoingOnLine) {
    namespace fs = std::filesystem;
    TempDir byId;  // stands in for /dev/serial/by-id
    const std::string adapter = byId / "usb-Prolific_USB-Serial_Controller_12345-if00-port0";
    fs::create_symlink(pty.devicePath().toStdString(), adapter);
    link().ports().setByIdFolder(byId.path());
    std::vector<ReportedPort> reported = {
        {"/dev/ttyS1", "", "", ""},  // COM2 opens it already: not offered twice
        {pty.devicePath(), "USB-Serial Controller", "Prolific Technology Inc.", "12345"},
    };
    screens.tcom->setPortLister([&] { return reported; });
    const auto reportedItems = [&] {
        return screens.tcom->findChild<QWidget*>("Reported")->findChildren<QRadioButton*>();
    };
    const auto choose = [&](QRadioButton* item) {
        click(item);
        click(screens.tcom->findChild<QPushButton*>("Set"));
        EXPECT_FALSE(screens.tcom->isVisible());
        EXPECT_TRUE(screens.tmmain->isEnabled());
        click(lineSwitchOf(screens.tmmain));
        ASSERT_TRUE(link().isOnline());
        EXPECT_EQ(ModalChannel(link().mainChannel()).request("@?NO"), "0");
        click(lineSwitchOf(screens.tmmain));
    };
    screens.tselect->hide();
    screens.tmmain->show();
    screens.tmmain->comSet();
    ASSERT_TRUE(screens.tcom->isVisible());
    EXPECT_EQ(screens.tcom->windowHandle()->transientParent(), screens.tmmain->windowHandle());
    EXPECT_FALSE(screens.tmmain->isEnabled());
    EXPECT_EQ(screens.tcom->deviceShown(1), QString(kMissingDevice));
    ASSERT_EQ(reportedItems().size(), 1);
    EXPECT_EQ(
        reportedItems()[0]->text(),
        pty.devicePath() + " (USB-Serial Controller, Prolific Technology Inc., serial 12345)");
    choose(reportedItems()[0]);
    EXPECT_EQ(screens.tcom->itemIndex(), -1);
    EXPECT_EQ(screens.tcom->portChoice().device.toStdString(), adapter);

    // Opened again, the selection shows the adapter as the one chosen.
    screens.tmmain->comSet();
    ASSERT_EQ(reportedItems().size(), 1);
    EXPECT_TRUE(reportedItems()[0]->isChecked());
    click(screens.tcom->findChild<QPushButton*>("Set"));

    // Unplugged: the choice stays, marked, until another is made; Escape (as closing) keeps it.
    reported.clear();
    fs::remove(adapter);
    screens.tmmain->comSet();
    ASSERT_EQ(reportedItems().size(), 1);
    QRadioButton* kept = reportedItems()[0];
    EXPECT_TRUE(kept->isChecked());
    EXPECT_EQ(kept->text().toStdString(), adapter + " (not found)");
    click(screens.tcom->findChild<QRadioButton*>("COM5"));
    QTest::keyClick(screens.tcom, Qt::Key_Escape);
    EXPECT_FALSE(screens.tcom->isVisible() || !screens.tmmain->isEnabled());
    EXPECT_EQ(screens.tcom->portChoice().device.toStdString(), adapter);
    screens.tmmain->comSet();
    useSimulatorAs(2);
    choose(screens.tcom->findChild<QRadioButton*>("COM2"));
    EXPECT_EQ(screens.tcom->itemIndex(), 1);
}

// Closing must not lose work: Cancel or a save that saved nothing (here its dialog cancelled;
// overwriting declined and a failed write are the save's own, its test shows) keeps the program
// open with everything as it was; no further question is asked.
TEST_F(ShellStart, ClosingKeepsTheProgramOpenUnlessEveryChangeIsSavedOrGivenUp) {
    using A = Prompter::Answer;
    test::TempDir dir;
    struct Case {
        const char* what;
        std::deque<A> choices;
        std::string file;  // the save dialog's answer; empty: cancelled
        bool ended;
        std::vector<std::string> messages;
    };
    // clang-format off
    const Case cases[] = {
        {"Cancel", {A::Cancel}, "", false, {"Is step data saved?"}},
        {"save dialog cancelled", {A::Yes}, "", false, {"Is step data saved?"}},
        {"saved, pallet given up", {A::Yes, A::No}, dir / "p.stp", true, {"Is step data saved?", "Saved", "Is pallet data saved?"}},
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
        chooser.name = QString::fromStdString(c.file);
        screens.tselect->show();
        QSignalSpy ended(screens.tselect, &StartScreen::programEnded);

        EXPECT_EQ(screens.tselect->close(), c.ended);
        EXPECT_EQ(prompter.texts(), c.messages);
        EXPECT_EQ(ended.count(), c.ended ? 1 : 0);
        EXPECT_EQ(screens.tselect->isVisible(), !c.ended);
        EXPECT_TRUE(screens.flags->isSet(DataKind::Step));
        EXPECT_TRUE(screens.flags->isSet(DataKind::Pallet));
    }
    screens.tmmain->setFileChooser(nullptr);
}

// Every editor's title (a refused file names nothing; Save offers the file), its "Print" (the
// print dialog with its range, Cancel back to the editor), its grid's keys (only one that changes
// a cell marks a change), and Ctrl+Z and Ctrl+Y from its field (the grid where it has none).
TEST_F(ShellStart, EveryEditorsTitleButtonsAndGridKeys) {
    // clang-format off
    const std::tuple<QWidget*, std::string, std::string, std::string, const char*, int, int, const char*> editors[] = {
        {screens.tmmain, "MIVO Editor [Main-Step]", ".stp", "999", "STEPGRID", 1, 3, "jaku"},
        {screens.tparameter, "MIVO Editor [Parameter]", ".prm", "43", "PRMGRID", 22, ColValue, nullptr},
        {screens.tpalet, "MIVO Editor [Pallet]", ".plt", "1", "PALGRID", 0, 0, "PalletNo"},
        {screens.toffset, "MIVO Editor [Offset]", ".off", "1", "OFFGRID", 0, 0, "PgmNo"},
    };
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, bool, const char*> keys[] = {
        {Qt::Key_Down, {}, false, "1"}, {Qt::Key_PageDown, {}, false, "1"}, {Qt::Key_End, {}, false, "1"},
        {Qt::Key_Tab, {}, false, "1"}, {Qt::Key_Control, {}, false, "1"}, {Qt::Key_S, Qt::ControlModifier, false, "1"},
        {Qt::Key_F2, {}, false, "1"}, {Qt::Key_A, {}, true, "a"}, {Qt::Key_Delete, {}, true, ""}};
    // clang-format on
    test::TempDir dir;
    test::ScriptedChooser chooser;
    for (const auto& [screen, caption, ext, last, gridName, row, column, fieldName] : editors) {
        SCOPED_TRACE(caption);
        auto& editor = static_cast<EditorFrame&>(*screen);
        editor.setFileChooser(&chooser);
        prompter.answers = {true, true};  // both saves' question
        chooser.name = QString::fromStdString(dir / ("a" + ext));
        editor.saveFile();
        EXPECT_EQ(editor.windowTitle().toStdString(), caption + " - a" + ext);
        test::WriteBytes(dir / ("b" + ext), "1\r\n");
        chooser.name = QString::fromStdString(dir / ("b" + ext));
        editor.openFile();  // refused: too short
        EXPECT_EQ(editor.windowTitle().toStdString(), caption + " - a" + ext);
        chooser.name.clear();
        editor.saveFile();
        EXPECT_EQ(chooser.offered.toStdString(), dir / ("a" + ext));
        editor.applyOnlineState(true);
        editor.menuAction("Print")->trigger();
        EXPECT_TRUE(screens.tprint->isVisible() && !editor.isEnabled());
        EXPECT_EQ(screens.tprint->findChild<QLineEdit*>("Edit2")->text().toStdString(), last);
        click(screens.tprint->findChild<QPushButton*>("Cancel"));
        EXPECT_TRUE(!screens.tprint->isVisible() && editor.isEnabled());

        auto* grid = editor.findChild<QTableView*>(gridName);
        const QModelIndex cell = grid->model()->index(row, column);
        grid->model()->setData(cell, "1");
        for (const auto& [key, modifiers, edits, text] : keys) {
            editor.setModified(false);
            grid->setCurrentIndex(cell);
            QTest::keyClick(grid, key, modifiers);
            if (QWidget* open = grid->indexWidget(cell)) QTest::keyClick(open, Qt::Key_Return);
            QApplication::processEvents();  // the cell's editor commits queued
            EXPECT_EQ(editor.modified(), edits) << key;
            EXPECT_EQ(cell.data().toString(), text) << key;
        }

        editor.show();
        editor.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
        grid->model()->setData(cell, "7");
        QWidget* field =
            fieldName ? editor.findChild<QLineEdit*>(fieldName) : static_cast<QWidget*>(grid);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(cell.data().toString(), "");
        QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(cell.data().toString(), "7");
        if (auto* typed = qobject_cast<QLineEdit*>(field)) {  // it undoes its own typing
            const QString before = typed->text();
            typed->selectAll();
            QTest::keyClick(typed, Qt::Key_2);
            QTest::keyClick(typed, Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(typed->text(), before);
            EXPECT_EQ(cell.data().toString(), "7");
        }
        editor.hide();
    }
}

// Ctrl+Shift with any key on the start button switches to the service layout; a key is no start.
TEST_F(ShellStart, KeyOnTheStartButtonChoosesTheLayout) {
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    // clang-format off
    const std::pair<Qt::KeyboardModifiers, bool> cases[] = {
        {ctrlShift, true}, {Qt::NoModifier, false}, {ctrlShift | Qt::AltModifier, true},
        {Qt::ShiftModifier, false}, {Qt::ControlModifier, false}};
    // clang-format on
    QSignalSpy changed(screens.tselect, &StartScreen::serviceLayoutChanged);
    for (const auto& [modifiers, service] : cases) {
        QTest::keyClick(screens.tselect->findChild<QPushButton*>("Button1"), Qt::Key_Q, modifiers);
        EXPECT_EQ(screens.tselect->serviceLayout(), service) << int(modifiers);
    }
    EXPECT_EQ(changed.count(), 4);
    EXPECT_FALSE(link().isOnline());
}

// The log's clock: local time of day from the time since the epoch and the zone's offset.
TEST(CommunicationLogClock, LocalTimeOfDayAcrossMidnight) {
    const qint64 day = 24 * 3600 * 1000;
    const struct {
        qint64 ms;
        int offset;
        const char* text;
    } cases[] = {
        {0, 0, "00:00:00.000"},
        {day - 1, 0, "23:59:59.999"},
        {20508 * day + 3723004, 0, "01:02:03.004"},
        {20508 * day + 1800500, -3600, "23:30:00.500"},  // west of Greenwich, the day before
        {20508 * day - 1800000, 9 * 3600, "08:30:00.000"},
        {-1000, 0, "23:59:59.000"},
    };
    for (const auto& c : cases) EXPECT_EQ(LocalClockText(c.ms, c.offset), c.text) << c.ms;
}

// The communication log, from an editor's Display menu: both channels as they pass, bounded
// and clearable.
TEST_F(ShellStart, CommunicationLogShowsBothWaysAsTheyPassBoundedAndClearable) {
    useSimulatorAs(1);
    pressStart();
    ASSERT_TRUE(link().isOnline());
    // Kept while the window is closed, shown when it opens.
    emit link().traffic(true, false, "before");
    QAction* item = screens.tmmain->menuAction("Communication log");
    ASSERT_NE(item, nullptr);
    item->trigger();
    ASSERT_TRUE(screens.commlog->isVisible());
    EXPECT_TRUE(screens.tmmain->isVisible());  // a tool window beside the editor

    EXPECT_EQ(ModalChannel(link().mainChannel()).request("@?NO"), "0");
    EXPECT_EQ(ModalChannel(link().mainChannel()).next(), "OK");
    const QStringList lines = screens.commlog->text().split('\n');
    const char* const ends[] = {"direct  < before", "main    > @?NO", "main    < 0",
                                "main    < OK"};
    ASSERT_EQ(lines.size(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(lines[i].endsWith(ends[i])) << lines[i].toStdString();

    // Past its bound the oldest lines go.
    for (int i = 0; i < CommunicationLog::kMaxLines; ++i)
        emit link().traffic(true, false, QByteArray::number(i));
    const QStringList full = screens.commlog->text().split('\n');
    EXPECT_EQ(full.size(), CommunicationLog::kMaxLines);
    EXPECT_TRUE(full.front().endsWith("direct  < 0")) << full.front().toStdString();

    click(screens.commlog->findChild<QPushButton*>("Clear"));
    EXPECT_TRUE(screens.commlog->text().isEmpty());

    // "Open log folder" opens the flight recorder's folder, made if need be.
    auto* openFolder = screens.commlog->findChild<QPushButton*>("OpenLogFolder");
    ASSERT_NE(openFolder, nullptr);
    EXPECT_FALSE(openFolder->isEnabled());
    TempDir dir;
    const QString folder = QString::fromStdString(dir / "mivo/log");
    screens.commlog->setLogFolder(folder);
    OpenedUrls desktop;
    QDesktopServices::setUrlHandler("file", &desktop, "open");
    click(openFolder);
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_EQ(desktop.urls, std::vector<QUrl>{QUrl::fromLocalFile(folder)});
    EXPECT_TRUE(QFileInfo(folder).isDir());
    // Its path stands beside it as text to select; where nothing opens the folder (no file
    // manager: here a handler that cannot be called), selected.
    auto* path = screens.commlog->findChild<QLabel*>("LogFolderPath");
    ASSERT_NE(path, nullptr);
    EXPECT_TRUE(path->isVisible());
    EXPECT_TRUE(path->text().endsWith(folder));
    EXPECT_TRUE(path->textInteractionFlags() & Qt::TextSelectableByMouse);
    QDesktopServices::setUrlHandler("file", &desktop, "noFileManager");
    click(openFolder);
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_EQ(path->selectedText(), folder);
    // A recorder that cannot write says so in the log and a notice that waits for no answer.
    screens.commlog->recorderFailed("The flight recorder cannot write /x: Permission denied");
    QApplication::processEvents();
    EXPECT_TRUE(
        screens.commlog->text().endsWith("The flight recorder cannot write /x: Permission denied"));
    QMessageBox* notice = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "RecorderFailed") notice = static_cast<QMessageBox*>(w);
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_FALSE(notice->isModal());
    notice->close();
}

}  // namespace
}  // namespace mivo::test

#include "shell_start_test.moc"
