// The command-entry dialog on real widgets: opened by a double-click in the step editor,
// filled by choosing items and typing, confirmed with OK or Enter.
#include <QLabel>
#include <QUndoStack>
#include <map>

#include "editor_fixture.h"
#include "shell/tcancel.h"

namespace mivo::test {
namespace {

using Row = std::vector<std::string>;

Row RowOf(const StepTable& t, int step) {
    return Row(t[step].fields.begin(), t[step].fields.end());
}

class CommandDialog : public EditorFixture {
  protected:
    // Chooses a command and an operation and types into the named boxes, in order.
    void enter(const char* command, const char* operation,
               const std::vector<std::pair<const char*, const char*>>& typed) {
        choose("SENTAKU", command);
        if (operation) {
            const int number = QString(command).left(1).toInt();
            const char* lists[] = {"comandolistPOI", "comandolistLIN", "comandolistPAL",
                                   "comandolistCIR", "comandolistSEQ", "comandolistEND"};
            choose(lists[number], operation);
        }
        for (const auto& [box, text] : typed) type(box, text);
    }
};

TEST_F(CommandDialog, ConfirmedEntryIsEncodedIntoTheRow) {
    struct Case {
        const char* command;
        const char* operation;
        std::vector<std::pair<const char*, const char*>> typed;
        Row expected;
        const char* thenOperation = nullptr;  // chosen after typing
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"0:", "0:", {{"sokudo", "5"}, {"Xdata", "10.00"}, {"Ydata", "20.00"}, {"Zdata", "5.00"}, {"comento", "abc"}}, {"POI", "005", "10.00", "20.00", "5.00", "0", "", "abc"}},
        {"0:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3"}}, {"POI", "000", "1", "2", "3", "0", "", ""}},
        {"0:", "6:", {{"sokudo", "50"}, {"Rdata", "90"}}, {"POI", "650", "0", "0", "0", "90", "", ""}},
        {"1:", "4:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Rdata", "4"}}, {"LIN", "400", "1", "2", "0", "4", "", ""}},
        {"4:", "2:", {{"sokudo", "3"}}, {"SEQ", "203", "", "", "", "", "", ""}},
        {"4:", "900:", {{"sokudo", "5"}, {"jumpsaki", "7"}}, {"SEQ", "905", "", "", "", "", "7", ""}},
        {"4:", "917:", {}, {"SEQ", "917", "", "", "", "", "", ""}},
        {"4:", "2:", {{"sokudo", "00"}}, {"SEQ", "200", "", "", "", "", "", ""}},
        // A box filled and then hidden by another operation stores nothing.
        {"0:", "0:", {{"Xdata", "9"}}, {"POI", "300", "", "", "", "", "", ""}, "3:"},
    };
    // clang-format on
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        table().clear();
        prompter.messages.clear();
        doubleClickStep(4);
        ASSERT_TRUE(dialog->isVisible());
        EXPECT_FALSE(editor->isEnabled());
        enter(c.command, c.operation, c.typed);
        if (c.thenOperation) choose("comandolistPOI", c.thenOperation);
        pressOk();
        EXPECT_TRUE(prompter.messages.empty()) << prompter.messages.front().text;
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(editor->isEnabled());
        EXPECT_EQ(RowOf(table(), 4), c.expected);
        EXPECT_EQ(grid()->model()->index(4, 2).data().toString().toStdString(), c.expected[1]);
    }
}

TEST_F(CommandDialog, ChecksRefuseInOrderAndKeepTheDialogOpen) {
    struct Case {
        const char* command;
        const char* operation;
        std::vector<std::pair<const char*, const char*>> typed;
        const char* message;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"0:", "0:", {{"sokudo", "0"}}, "Input 1 and above"},
        {"0:", "0:", {{"sokudo", "101"}}, "Set speed rate from 1 to 100%"},
        {"0:", "0:", {{"sokudo", "+5"}}, "+ cannot be inputted"},
        {"0:", "0:", {{"sokudo", "-5"}}, "- cannot be inputted"},
        {"0:", "0:", {{"sokudo", "05"}}, "Cannot compute due to speed data error"},
        {"0:", "0:", {{"sokudo", "abc"}}, "'abc' is not a valid integer value"},
        {"0:", "0:", {{"sokudo", ""}}, "Input speed rate"},
        {"0:", "0:", {}, "Input X value"},
        {"0:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}}, "Input Z value"},
        {"0:", "6:", {}, "Input R value"},
        {"3:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3"}}, "Input X2 value"},
        {"3:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3"}, {"Xen2", "4"}, {"Yen2", "5"}, {"Xen3", "6"}}, "Input Y3 value"},
        {"4:", "0:", {{"sokudo", "15"}}, "Set input port from 0 to 14"},
        {"4:", "2:", {{"sokudo", "13"}}, "Set output port from 0 to 12"},
        {"4:", "3:", {{"sokudo", "14"}}, "Set output port from 0 to 13"},
        {"4:", "4:", {{"sokudo", "0"}}, "Set timer from 1 to 100(x 0.1sec)"},
        {"4:", "4:", {{"sokudo", ""}}, "Input TIMER"},
        {"4:", "900:", {{"sokudo", "14"}, {"jumpsaki", "3"}}, "Set output port from 0 to 13"},
        {"4:", "2:", {{"sokudo", ""}}, "Input I/O port"},
        {"4:", "6:", {{"sokudo", "1"}}, "Input jump-to value"},
        {"4:", "916:", {}, "Input jump-to value"},
        {"2:", "0:", {{"sokudo", "20"}}, "Set pallet No. from 0 to 19"},
        {"2:", "2:", {{"sokudo", ""}}, "Input pallet No."},
    };
    // clang-format on
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.message);
        doubleClickStep(7);
        enter(c.command, c.operation, c.typed);
        prompter.messages.clear();
        pressOk();
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0], (Message{"notify", c.message, "Command"}));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(editor->isEnabled());
        EXPECT_EQ(RowOf(table(), 7), (Row{"", "000", "", "", "", "", "", ""}));
        QTest::mouseClick(child<QPushButton>("Cancel"), Qt::LeftButton);
        table().clear();
    }
}

// A comma, line break or NUL in a box whose field is not the comment would move every later
// field of the step in the file and on the line: refused, naming the box; the comment keeps its
// commas.
TEST_F(CommandDialog, FieldSeparatorsAreRefusedOutsideTheComment) {
    struct Case {
        const char* command;
        const char* operation;
        std::vector<std::pair<const char*, QString>> typed;
        const char* message;  // nullptr: accepted
        Row expected;
    };
    const QString nul(QChar(0));
    // clang-format off
    const std::vector<Case> cases = {
        {"0:", "0:", {{"Xdata", "12,5"}, {"Ydata", "2"}, {"Zdata", "3"}}, "A comma cannot be inputted in X", {}},
        {"0:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3\n"}}, "A line break cannot be inputted in Z", {}},
        {"0:", "6:", {{"Rdata", "9\r0"}}, "A line break cannot be inputted in R", {}},
        {"3:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3"}, {"Xen2", "4"}, {"Yen2", "5"}, {"Xen3", "6"}, {"Yen3", "7,"}}, "A comma cannot be inputted in Y3", {}},
        {"4:", "8:", {{"jumpsaki", "1,2"}}, "A comma cannot be inputted in Jump-to", {}},
        {"0:", "3:", {{"comento", "a" + nul + "b"}}, "A NUL character cannot be inputted in Comment", {}},
        {"0:", "3:", {{"comento", "a\nb"}}, "A line break cannot be inputted in Comment", {}},
        {"0:", "3:", {{"comento", "a,b, c"}}, nullptr, {"POI", "300", "", "", "", "", "", "a,b, c"}},
    };
    // clang-format on
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        table().clear();
        doubleClickStep(7);
        enter(c.command, c.operation, {});
        for (const auto& [box, text] : c.typed) child<QLineEdit>(box)->setText(text);
        prompter.messages.clear();
        pressOk();
        if (!c.message) {
            EXPECT_TRUE(prompter.messages.empty()) << prompter.messages.front().text;
            EXPECT_EQ(RowOf(table(), 7), c.expected);
            continue;
        }
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0], (Message{"notify", c.message, "Command"}));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(RowOf(table(), 7), (Row{"", "000", "", "", "", "", "", ""}));
        QTest::mouseClick(child<QPushButton>("Cancel"), Qt::LeftButton);
    }
}

TEST_F(CommandDialog, EmptiedListsAndHiddenEmptyValueAreRefused) {
    doubleClickStep(0);
    child<QComboBox>("comandolistSEQ")->setEditText("");  // a hidden list counts too
    pressOk();
    child<QComboBox>("comandolistSEQ")->setEditText("0:Input ON wait");
    choose("SENTAKU", "5:");
    child<QLineEdit>("sokudo")->clear();  // END keeps its value in the hidden box
    pressOk();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Select command", "Input speed rate"}));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CommandDialog, OpeningShowsTheStepWithItsOwnWording) {
    struct Case {
        Row row;
        const char* commandText;
        const char* list;
        const char* operationText;
        const char* value;
        const char* caption;
        std::map<std::string, std::string> shownBoxes;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{"POI", "400"}, "0:POI(point motion)", "comandolistPOI", "4:ZO rise only", "100", "Rate(%)", {}},
        {{"POI", "250", "1", "2", "3", "0"}, "0:POI(point motion)", "comandolistPOI", " 2:Point move(after Z0 rise -> XY -> Z move)", "50", "Rate(%)", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3"}}},
        {{"LIN", "x", "", "", "", "", "", "note"}, "1:LIN(interpolation motion)", "comandolistLIN", "0:Linear interpolation move (XYZ move)", "100", "Rate(%)", {{"Xdata", ""}, {"Ydata", ""}, {"Zdata", ""}, {"comento", "note"}}},
        {{"SEQ", "410"}, "4:SEQ (sequence command)", "comandolistSEQ", "4:TIMER", "10", "TIMER(*0.1S)", {}},
        {{"SEQ", "603", "", "", "", "", "40"}, "4:SEQ (sequence command)", "comandolistSEQ", "6:Conditional JUMP (ON)", "3", "I/O port", {{"jumpsaki", "40"}}},
        {{"PAL", "012"}, "2:PAL (pallet motion)", "comandolistPAL", "0:Pallet move", "12", "No.(0 - 19)", {}},
        {{"XYZ", "100"}, "0:POI(point motion)", "comandolistPOI", "1:Point move (after ZI rise -> XY -> Z move)", "100", "Rate(%)", {{"Xdata", ""}, {"Ydata", ""}, {"Zdata", ""}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operationText);
        table().clear();
        for (std::size_t f = 0; f < c.row.size(); ++f) table()[12][static_cast<int>(f)] = c.row[f];
        doubleClickStep(12);
        EXPECT_EQ(child<QComboBox>("SENTAKU")->currentText(), c.commandText);
        auto* list = child<QComboBox>(c.list);
        EXPECT_FALSE(list->isHidden());
        EXPECT_EQ(list->currentText(), c.operationText);
        EXPECT_EQ(child<QLineEdit>("sokudo")->text(), c.value);
        EXPECT_EQ(child<QLabel>("sokudoLabel")->text(), c.caption);
        for (const char* box : {"Xdata", "Ydata", "Zdata", "Rdata", "Xen2", "jumpsaki"}) {
            const auto it = c.shownBoxes.find(box);
            EXPECT_EQ(!child<QLineEdit>(box)->isHidden(), it != c.shownBoxes.end()) << box;
            if (it != c.shownBoxes.end()) {
                EXPECT_EQ(child<QLineEdit>(box)->text().toStdString(), it->second) << box;
            }
        }
        QTest::mouseClick(child<QPushButton>("Cancel"), Qt::LeftButton);
    }
}

TEST_F(CommandDialog, EnterInTheCommentConfirms) {
    doubleClickStep(3);
    choose("comandolistPOI", "3:");
    QTest::keyClicks(child<QLineEdit>("comento"), "hello");
    QTest::keyClick(child<QLineEdit>("comento"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_EQ(RowOf(table(), 3), (Row{"POI", "300", "", "", "", "", "", "hello"}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(CommandDialog, CancelKeepsThePreparedRowAndResetsTheDialog) {
    setRow(20, {"seq", "?x", "", "", "", "", "", "c"});
    doubleClickStep(20);
    EXPECT_TRUE(editor->stepModified());
    EXPECT_TRUE(flags.isSet(DataKind::Step));
    choose("SENTAKU", "3:");
    type("Xdata", "5");
    QTest::mouseClick(child<QPushButton>("Cancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_EQ(RowOf(table(), 20), (Row{"SEQ", "000", "", "", "", "", "", "c"}));
    // The reset state: POI, V 100, boxes empty, circle boxes hidden.
    EXPECT_EQ(child<QComboBox>("SENTAKU")->currentText(), "0:POI(point motion)");
    EXPECT_EQ(child<QLineEdit>("sokudo")->text(), "100");
    EXPECT_EQ(child<QLineEdit>("Xdata")->text(), "");
    EXPECT_TRUE(child<QLineEdit>("Xen2")->isHidden());
}

TEST_F(CommandDialog, SecondCircleRowRewritesThePairInPlace) {
    setRow(10, {"CIR", "050", "1", "2", "3", "", "", "arc"});
    setRow(11, {"CIR", "050", "4", "5", "6", "7", "", "arc"});
    setRow(12, {"END", "000"});
    doubleClickStep(11);
    EXPECT_EQ(child<QComboBox>("SENTAKU")->currentText(), "3:CIR (circle motion)");
    EXPECT_EQ(child<QLineEdit>("Xdata")->text(), "1");
    EXPECT_EQ(child<QLineEdit>("Yen3")->text(), "7");
    EXPECT_EQ(child<QLineEdit>("comento")->text(), "arc");
    type("Xen3", "60");
    pressOk();
    EXPECT_EQ(RowOf(table(), 10), (Row{"CIR", "050", "1", "2", "3", "", "", "arc"}));
    EXPECT_EQ(RowOf(table(), 11), (Row{"CIR", "050", "4", "5", "60", "7", "", "arc"}));
    EXPECT_EQ(RowOf(table(), 12), (Row{"END", "000", "", "", "", "", "", ""}));
    // The whole entry is one undo step.
    editor->undo();
    EXPECT_EQ(table()[11][FieldZ], "6");
}

TEST_F(CommandDialog, TeachingIsRefusedWhileOperatingOrOffLine) {
    TCancel cancel(screens);
    screens.tcancel = &cancel;
    bool handed = false;
    dialog->setTeachingHandler([&] { handed = true; });
    doubleClickStep(2);
    cancel.show();
    QTest::mouseClick(child<QPushButton>("Teaching"), Qt::LeftButton);
    cancel.hide();
    QTest::mouseClick(child<QPushButton>("Teaching"), Qt::LeftButton);
    EXPECT_EQ(
        prompter.messages,
        (std::vector<Message>{
            {"notify", "'Move to direct screen' cannot be executed while 'Operating' is displayed",
             "Operating"},
            {"notify", "Teaching control cannot be made under offline", "Under offline"}}));
    EXPECT_FALSE(handed);
    EXPECT_TRUE(dialog->isVisible());
    screens.tcancel = nullptr;
}

TEST_F(CommandDialog, UnstorableCharacterInABoxIsRefused) {
    doubleClickStep(2);
    choose("comandolistPOI", "3:");
    type("comento", QString::fromUtf8("\xE4\xB8\xAD"));  // a CJK character
    pressOk();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Command");
    EXPECT_NE(prompter.messages[0].text.find("U+4E2D"), std::string::npos);
    EXPECT_TRUE(dialog->isVisible());
    type("comento", QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC"));  // é and the euro sign
    pressOk();
    EXPECT_EQ(table()[2][FieldComment], "caf\xE9 \x80");
}

}  // namespace
}  // namespace mivo::test
