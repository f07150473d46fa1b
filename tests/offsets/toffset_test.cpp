// The offset editor as the user works it: the real screens (offscreen), its grid, tool bar and
// menus, and on line the real link over a pseudo-terminal to the simulated controller.
#include "offsets/toffset.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>

#include "shell/modified_flags.h"
#include "shell/shell_fixture.h"
#include "support/scripted_chooser.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

class OffsetEditor : public ShellFixture {
  protected:
    void SetUp() override {
        ShellFixture::SetUp();
        editor().setFileChooser(&chooser);
    }
    void TearDown() override {
        editor().setFileChooser(nullptr);
        ShellFixture::TearDown();
    }
    Toffset& editor() { return static_cast<Toffset&>(*screens.toffset); }
    QTableView* grid() { return editor().findChild<QTableView*>("OFFGRID"); }
    QLineEdit* program() { return editor().findChild<QLineEdit*>("PgmNo"); }
    QString cell(int axis) { return grid()->model()->index(0, axis).data().toString(); }
    void typeCell(int axis, const QString& text) {
        grid()->setCurrentIndex(grid()->model()->index(0, axis));
        QTest::keyClick(grid(), text[0].toLatin1());
        QLineEdit* cellEditor = nullptr;
        for (QLineEdit* e : grid()->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible()) cellEditor = e;
        ASSERT_NE(cellEditor, nullptr);
        QTest::keyClicks(cellEditor, text.mid(1));
        QTest::keyClick(cellEditor, Qt::Key_Return);
        QApplication::processEvents();
    }
    void typeProgram(const QString& text) {
        program()->selectAll();
        QTest::keyClicks(program(), text);
    }
    void press(const char* hint) {
        QAction* a = editor().action(hint);
        ASSERT_NE(a, nullptr) << hint;
        ASSERT_TRUE(a->isEnabled()) << hint;
        a->trigger();
    }
    bool flagged() { return screens.flags->isSet(DataKind::Offset); }
    ScriptedChooser chooser;
};

TEST_F(OffsetEditor, ScreenAsLaidOut) {
    editor().show();
    EXPECT_TRUE(editor().windowTitle().startsWith("MIVO Editor [Offset]"));
    EXPECT_EQ(editor().maximumSize(), QSize(480, 240));
    QApplication::processEvents();
    // The line switch fits beside the buttons at the written width.
    EXPECT_TRUE(lineSwitchOf(&editor())->isVisible());
    QAbstractItemModel* model = grid()->model();
    ASSERT_EQ(model->rowCount(), 1);
    ASSERT_EQ(model->columnCount(), 4);
    EXPECT_EQ(model->headerData(0, Qt::Vertical).toString(), "Offset value");
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), "     R");
    EXPECT_EQ(grid()->verticalHeader()->width(), 87);
    EXPECT_EQ(grid()->horizontalHeader()->sectionSize(1), 64);
    EXPECT_EQ(cell(0), "0.00");
    EXPECT_EQ(program()->text(), "0");
    EXPECT_EQ(program()->maxLength(), 1);

    QStringList hints;
    for (QAction* a : editor().findChild<QToolBar*>("ToolBar1")->actions())
        if (!a->toolTip().isEmpty() && !a->text().isEmpty()) hints << a->toolTip();
    EXPECT_EQ(hints, (QStringList{"New programming", "Open", "Save", "Print",
                                  "Is offset sending executed?", "Offset receive",
                                  "Return to origin", "Program execute", "Motor free",
                                  "Teaching set", "Initial screen move"}));
    QStringList menus;
    for (QAction* m : editor().menuBar()->actions()) {
        QStringList items;
        for (QAction* a : m->menu()->actions())
            items << (a->isSeparator() ? "-" : QString(a->text()).remove('&'));
        menus << m->text() + ": " + items.join(", ");
    }
    EXPECT_EQ(menus, (QStringList{"File: New programming, Open, Save, Print, End",
                                  "Communication: Offset send, Offset receive, Offset initialize, "
                                  "-, Return to origin, Program execute, Motor free",
                                  "Display: Step, Parameter, Pallet, Direct, Communication log"}));
    EXPECT_FALSE(editor().menuAction("Offset initialize")->isEnabled());
    EXPECT_FALSE(editor().action("Print")->isEnabled());
}

TEST_F(OffsetEditor, EditSaveOpenAndNewProgramming) {
    TempDir dir;
    editor().show();
    typeProgram("2");
    EXPECT_TRUE(flagged());
    typeCell(0, "1.50");
    chooser.name = QString::fromStdString(dir / "o");
    chooser.filter = OffFilterOff;
    prompter.answers = {true};
    press("Save");
    EXPECT_EQ(prompter.messages.front(),
              (Message{"ask", "Data will be saved. OK?", "Offset contents"}));
    EXPECT_EQ(ReadBytes(dir / "o.off"), "2\r\n1.50\r\n0.00\r\n0.00\r\n0.00\r\n");
    EXPECT_FALSE(flagged());

    typeCell(3, "9");
    WriteBytes(dir / "short.off", "1\r\n");
    const OffsetData before = editor().data();
    prompter.answers = {false};
    chooser.name = QString::fromStdString(dir / "short.off");
    press("Open");
    EXPECT_EQ(editor().data(), before);
    EXPECT_TRUE(flagged());

    prompter.answers = {false};
    chooser.name = QString::fromStdString(dir / "o.off");
    press("Open");
    EXPECT_EQ(program()->text(), "2");
    EXPECT_EQ(cell(0), "1.50");
    EXPECT_EQ(cell(3), "0.00");
    EXPECT_FALSE(flagged());

    typeCell(1, "4");
    prompter.messages.clear();
    prompter.answers = {false, true};
    press("New programming");
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Is data saved?", "Is new programming executed?"}));
    EXPECT_EQ(cell(0), "0.00");
    EXPECT_EQ(cell(1), "0.00");
    EXPECT_EQ(program()->text(), "2");  // the program number stays
    EXPECT_FALSE(flagged());
}

class OffsetEditorOnline : public OffsetEditor {
  protected:
    void SetUp() override {
        OffsetEditor::SetUp();
        useSimulatorAs(1);
        pressStart();
        ASSERT_TRUE(link().isOnline());
        screens.tmmain->menuAction("Offset")->trigger();
        ASSERT_TRUE(editor().isVisible());
    }
};

TEST_F(OffsetEditorOnline, TransfersAndTheWaysBack) {
    typeProgram("2");
    typeCell(0, "1.50");
    prompter.answers = {true};
    press("Is offset sending executed?");
    EXPECT_EQ(sim.received().front(), "@WRITE PRM 108,1.50");
    EXPECT_EQ(prompter.texts().back(), "Offset sending is completed");

    editor().setModified(false);
    prompter.messages.clear();
    prompter.answers = {true};
    editor().menuAction("Offset initialize")->trigger();
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Offset data of PGM No.2 will be initialized.  OK?",
                                        "Offset initialize is completed"}));
    for (int a = 0; a < 4; ++a) EXPECT_EQ(cell(a), "0.00") << a;
    EXPECT_TRUE(flagged());
    EXPECT_TRUE(editor().isEnabled());

    // "End": back without a question; the data keep their modified state.
    editor().menuAction("End")->trigger();
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(prompter.texts().size(), 2u);
    EXPECT_TRUE(flagged());

    // "Initial screen move" asks to save, clears the flag and goes off line.
    screens.tselect->hide();
    editor().show();
    click(lineSwitchOf(&editor()));
    ASSERT_TRUE(link().isOnline());
    prompter.messages.clear();
    prompter.answers = {false};
    press("Initial screen move");
    QApplication::processEvents();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Is data saved?"}));
    EXPECT_FALSE(flagged());
    EXPECT_FALSE(editor().isVisible());
    EXPECT_TRUE(screens.tselect->isVisible());
    EXPECT_FALSE(link().isOnline());
}

}  // namespace
}  // namespace mivo::test
