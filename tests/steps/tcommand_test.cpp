// The command-entry dialog on real widgets: opened by a double-click in the step editor, filled
// by choosing items and typing, confirmed with OK. The encoding and the field rules are
// step_rules'; the checks of OK live in the dialog.
#include "editor_fixture.h"
#include "shell/tcancel.h"

namespace mivo::test {
namespace {

using Typed = std::vector<std::pair<const char*, QString>>;
using CommandDialog = EditorFixture;

// OK writes the entry into the row, or shows the first check that fails, or the first box whose
// field cannot hold its text (naming the box), and keeps the dialog open with the row as opening
// prepared it; Cancel then keeps that row. Either way the dialog closes reset.
TEST_F(CommandDialog, OkWritesTheEntryOrShowsTheFirstRefusal) {
    struct Case {
        const char* command;
        const char* operation;
        Typed typed;
        const char* refusal;  // nullptr: written
        StepRow written = {};
        const char* thenOperation = nullptr;  // chosen after typing
    };
    const QString windows1252 = QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC");  // é and the euro
    // clang-format off
    const std::vector<Case> cases = {
        {"0:", "0:", {{"sokudo", "5"}, {"Xdata", "10.00"}, {"Ydata", "20.00"}, {"Zdata", "5.00"}, {"comento", "abc"}}, nullptr, {"POI", "005", "10.00", "20.00", "5.00", "0", "", "abc"}},
        {"4:", "900:", {{"sokudo", "5"}, {"jumpsaki", "7"}}, nullptr, {"SEQ", "905", "", "", "", "", "7", ""}},
        {"0:", "3:", {{"comento", "a,b, c"}}, nullptr, {"POI", "300", "", "", "", "", "", "a,b, c"}},
        {"0:", "3:", {{"comento", windows1252}}, nullptr, {"POI", "300", "", "", "", "", "", "caf\xE9 \x80"}},
        // A box filled and then hidden by another operation stores nothing.
        {"0:", "0:", {{"Xdata", "9"}}, nullptr, {"POI", "300", "", "", "", "", "", ""}, "3:"},
        {"0:", "0:", {{"sokudo", "0"}}, "Input 1 and above"},
        {"0:", "0:", {{"sokudo", "101"}}, "Set speed rate from 1 to 100%"},
        {"0:", "0:", {{"sokudo", "+5"}}, "+ cannot be inputted"},
        {"0:", "0:", {{"sokudo", "-5"}}, "- cannot be inputted"},
        {"0:", "0:", {{"sokudo", "05"}}, "Cannot compute due to speed data error"},
        {"0:", "0:", {{"sokudo", "abc"}}, "'abc' is not a valid integer value"},
        {"0:", "0:", {{"sokudo", ""}}, "Input speed rate"},
        {"5:", nullptr, {{"sokudo", ""}}, "Input speed rate"},  // END's value, hidden
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
        {"0:", "0:", {{"Xdata", "12,5"}, {"Ydata", "2"}, {"Zdata", "3"}}, "A comma cannot be inputted in X"},
        {"3:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3"}, {"Xen2", "4"}, {"Yen2", "5"}, {"Xen3", "6"}, {"Yen3", "7,"}}, "A comma cannot be inputted in Y3"},
        {"0:", "3:", {{"comento", QString::fromUtf8("\xE4\xB8\xAD")}}, "The character U+4E2D cannot be stored (Windows-1252)."},
    };
    // clang-format on
    const StepRow prepared{"SEQ", "000"};
    const char* lists[] = {"comandolistPOI", "comandolistLIN", "comandolistPAL",
                           "comandolistCIR", "comandolistSEQ", "comandolistEND"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal ? c.refusal : ::testing::PrintToString(c.written));
        table().clear();
        setRow(7, {"seq", "?x"});
        doubleClickStep(7);
        choose("SENTAKU", c.command);
        if (c.operation) choose(lists[QString(c.command).left(1).toInt()], c.operation);
        for (const auto& [box, text] : c.typed) type(box, text);
        if (c.thenOperation) choose("comandolistPOI", c.thenOperation);
        pressOk();
        EXPECT_EQ(prompter.messages,
                  (c.refusal ? std::vector<Message>{{"notify", c.refusal, "Command"}}
                             : std::vector<Message>{}));
        if (c.refusal) {
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(table()[7], prepared);
            QTest::mouseClick(child<QPushButton>("Cancel"), Qt::LeftButton);
        }
        prompter.messages.clear();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(editor->isEnabled());
        EXPECT_EQ(table()[7], c.refusal ? prepared : c.written);
        EXPECT_EQ(child<QComboBox>("SENTAKU")->currentText(), "0:POI(point motion)");
        EXPECT_EQ(child<QLineEdit>("sokudo")->text(), "100");
        EXPECT_EQ(child<QLineEdit>("Xdata")->text(), "");
        EXPECT_TRUE(child<QLineEdit>("Xen2")->isHidden());
    }
}

TEST_F(CommandDialog, EmptiedListIsRefused) {
    doubleClickStep(0);
    child<QComboBox>("comandolistSEQ")->setEditText("");  // a hidden list counts too
    pressOk();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Select command"});
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CommandDialog, TeachingIsRefusedWhileOperatingOrOffLine) {
    bool handed = false;
    dialog->setTeachingHandler([&] { handed = true; });
    doubleClickStep(2);
    screens.tcancel->show();
    QTest::mouseClick(child<QPushButton>("Teaching"), Qt::LeftButton);
    screens.tcancel->hide();
    QTest::mouseClick(child<QPushButton>("Teaching"), Qt::LeftButton);
    EXPECT_EQ(
        prompter.messages,
        (std::vector<Message>{
            {"notify", "'Move to direct screen' cannot be executed while 'Operating' is displayed",
             "Operating"},
            {"notify", "Teaching control cannot be made under offline", "Under offline"}}));
    EXPECT_FALSE(handed);
    EXPECT_TRUE(dialog->isVisible());
}

}  // namespace
}  // namespace mivo::test
