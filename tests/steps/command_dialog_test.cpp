// The command-entry dialog on the real step editor: OK's checks, Cancel, and teaching refused
// where it cannot run.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor_fixture.h"
#include "shell/cancel_dialog.h"

namespace mivo::test {
namespace {

using CommandDialog = EditorFixture;
using Typed = std::vector<std::pair<const char*, QString>>;

// OK writes the entry, or shows the first failing check or box that cannot hold its text (named)
// and keeps the row as it was, also after Cancel, which writes nothing. Either way the dialog
// closes reset.
TEST_F(CommandDialog, OkWritesTheEntryOrShowsTheFirstRefusal) {
    struct Case {
        const char* command;
        const char* operation;
        Typed typed;
        const char* refusal;  // nullptr: written
        StepRow written = {};
        const char* thenOperation = nullptr;  // chosen after typing
        QString commandText = {};             // typed over the chosen command
        QString operationText = {};           // typed over the chosen operation
        const char* emptiedList = nullptr;    // its text emptied, a hidden list too
    };
    const QString windows1252 = QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC");  // é and the euro
    // clang-format off
    const std::vector<Case> cases = {
        {"0:", "0:", {{"sokudo", "5"}, {"Xdata", "10.00"}, {"Ydata", "20.00"}, {"Zdata", "5.00"}, {"comento", "abc"}}, nullptr, {"POI", "005", "10.00", "20.00", "5.00", "0", "", "abc"}},
        {"0:", "3:", {{"comento", windows1252}}, nullptr, {"POI", "300", "", "", "", "", "", "caf\xE9 \x80"}},
        // A box filled and then hidden by another operation stores nothing.
        {"0:", "0:", {{"Xdata", "9"}}, nullptr, {"POI", "300", "", "", "", "", "", ""}, "3:"},
        {"0:", "0:", {}, "Input X value"},
        {"0:", "0:", {{"Xdata", "12,5"}, {"Ydata", "2"}, {"Zdata", "3"}}, "A comma cannot be inputted in X"},
        {"0:", "3:", {{"comento", QString::fromUtf8("\xE4\xB8\xAD")}}, "The character U+4E2D cannot be stored (Windows-1252)."},
        // A typed text stands for what it names, refused in the program check's words.
        {"0:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3"}}, "'100' is no step command", {}, nullptr, "100"},
        {"0:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3"}}, "Select command", {}, nullptr, "LIN"},
        {"0:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3"}}, "Operation 'go' is no operation code", {}, nullptr, {}, "go"},
        {"0:", "0:", {}, "Select command", {}, nullptr, {}, {}, "comandolistSEQ"},
        {"0:", "0:", {{"Xdata", "1"}, {"Ydata", "2"}, {"Zdata", "3"}}, nullptr, {"POI", "000", "1", "2", "3", "0", "", ""}, nullptr, " poi"},
    };
    // clang-format on
    const StepRow untouched{};  // the empty row as it was
    const char* lists[] = {"comandolistPOI", "comandolistLIN", "comandolistPAL",
                           "comandolistCIR", "comandolistSEQ", "comandolistEND"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal ? c.refusal : ::testing::PrintToString(c.written));
        table().clear();
        editor->stepsChanged(7, 7);
        editor->setStepModified(false);
        const int edits = editor->undoStack().count();
        doubleClickStep(7);
        choose("SENTAKU", c.command);
        if (c.operation) choose(lists[QString(c.command).left(1).toInt()], c.operation);
        for (const auto& [box, text] : c.typed) type(box, text);
        if (c.thenOperation) choose("comandolistPOI", c.thenOperation);
        if (!c.commandText.isNull()) child<QComboBox>("SENTAKU")->setEditText(c.commandText);
        if (!c.operationText.isNull())
            child<QComboBox>("comandolistPOI")->setEditText(c.operationText);
        if (c.emptiedList) child<QComboBox>(c.emptiedList)->setEditText("");
        pressOk();
        EXPECT_EQ(prompter.messages,
                  (c.refusal ? Messages{{"notify", c.refusal, "Command"}} : Messages{}));
        if (c.refusal) {
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(table()[7], untouched);
            QTest::mouseClick(child<QPushButton>("Cancel"), Qt::LeftButton);
        }
        prompter.messages.clear();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(editor->isEnabled());
        EXPECT_EQ(table()[7], c.refusal ? untouched : c.written);
        EXPECT_EQ(editor->stepModified(), !c.refusal);
        EXPECT_EQ(editor->undoStack().count(), edits + (c.refusal ? 0 : 1));
        EXPECT_EQ(child<QComboBox>("SENTAKU")->currentText(), "0:POI(point motion)");
        EXPECT_EQ(child<QLineEdit>("sokudo")->text(), "100");
        EXPECT_EQ(child<QLineEdit>("Xdata")->text(), "");
        EXPECT_TRUE(child<QLineEdit>("Xen2")->isHidden());
    }
}

TEST_F(CommandDialog, TeachingIsRefusedWhileOperatingOrOffLine) {
    doubleClickStep(2);
    screens.tcancel->show();
    QTest::mouseClick(child<QPushButton>("Teaching"), Qt::LeftButton);
    screens.tcancel->hide();
    QTest::mouseClick(child<QPushButton>("Teaching"), Qt::LeftButton);
    EXPECT_EQ(
        prompter.messages,
        (Messages{
            {"notify", "'Move to direct screen' cannot be executed while 'Operating' is displayed",
             "Operating"},
            {"notify", "Teaching control cannot be made under offline", "Under offline"}}));
    EXPECT_FALSE(screens.tteach->isVisible());
    EXPECT_TRUE(dialog->isVisible());
}

}  // namespace
}  // namespace mivo::test
