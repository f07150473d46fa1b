// The pallet editor as the user works it: the real screens (offscreen), its grid, fields,
// tool bar and menus, and on line the real link over a pseudo-terminal to the simulated
// controller.
#include "pallets/tpalet.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>

#include "shell/modified_flags.h"
#include "shell/shell_fixture.h"
#include "shell/tcancel.h"
#include "support/scripted_chooser.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

class PalletEditor : public ShellFixture {
  protected:
    void SetUp() override {
        ShellFixture::SetUp();
        editor().setFileChooser(&chooser);
    }
    void TearDown() override {
        editor().setFileChooser(nullptr);
        ShellFixture::TearDown();
    }
    Tpalet& editor() { return static_cast<Tpalet&>(*screens.tpalet); }
    QTableView* grid() { return editor().findChild<QTableView*>("PALGRID"); }
    QLineEdit* field(const char* name) { return editor().findChild<QLineEdit*>(name); }
    QString cell(int row, int column) {
        return grid()->model()->index(row, column).data().toString();
    }
    // Types into a cell as the user does: a key opens it, the rest goes to its editor.
    void typeCell(int row, int column, const QString& text) {
        grid()->setCurrentIndex(grid()->model()->index(row, column));
        QTest::keyClick(grid(), text[0].toLatin1());
        QLineEdit* cellEditor = nullptr;
        for (QLineEdit* e : grid()->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible()) cellEditor = e;
        ASSERT_NE(cellEditor, nullptr);
        QTest::keyClicks(cellEditor, text.mid(1));
        QTest::keyClick(cellEditor, Qt::Key_Return);
        QApplication::processEvents();
    }
    void typeField(const char* name, const QString& text) {
        field(name)->selectAll();
        QTest::keyClicks(field(name), text);
    }
    void press(const char* hint) {
        QAction* a = editor().action(hint);
        ASSERT_NE(a, nullptr) << hint;
        ASSERT_TRUE(a->isEnabled()) << hint;
        a->trigger();
    }
    bool flagged() { return screens.flags->isSet(DataKind::Pallet); }
    ScriptedChooser chooser;
};

TEST_F(PalletEditor, ScreenAsLaidOut) {
    editor().show();
    EXPECT_TRUE(editor().windowTitle().startsWith("MIVO Editor [Pallet]"));
    EXPECT_EQ(editor().maximumSize(), QSize(460, 263));
    EXPECT_FALSE(editor().windowFlags() & Qt::WindowMaximizeButtonHint);
    QApplication::processEvents();
    // The line switch fits beside the buttons at the written width.
    EXPECT_TRUE(lineSwitchOf(&editor())->isVisible());
    QAbstractItemModel* model = grid()->model();
    ASSERT_EQ(model->rowCount(), 3);
    ASSERT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "     X");
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "     Z");
    EXPECT_EQ(model->headerData(2, Qt::Vertical).toString(), "P3");
    EXPECT_EQ(field("PalletNo")->text(), "0");
    EXPECT_EQ(field("XSection")->text(), "2");
    EXPECT_EQ(field("YSection")->text(), "2");

    QStringList hints;
    for (QAction* a : editor().findChild<QToolBar*>("ToolBar1")->actions())
        if (!a->toolTip().isEmpty() && !a->text().isEmpty()) hints << a->toolTip();
    EXPECT_EQ(hints, (QStringList{"New programming", "Open", "Save", "Print", "Pallet send",
                                  "Pallet receive", "Return to origin", "Program execute",
                                  "Motor free", "Teaching set", "Initial screen move"}));
    QStringList menus;
    for (QAction* m : editor().menuBar()->actions()) {
        QStringList items;
        for (QAction* a : m->menu()->actions())
            items << (a->isSeparator() ? "-" : QString(a->text()).remove('&'));
        menus << m->text() + ": " + items.join(", ");
    }
    EXPECT_EQ(menus, (QStringList{"File: New programming, Open, Save, Print, End",
                                  "Communication: Pallet send, Pallet receive, Pallet initialize, "
                                  "-, Return to origin, Program execute, Motor free",
                                  "Display: Step, Parameter, Offset, Direct, Communication log"}));
    for (const char* hint : {"Pallet send", "Pallet receive", "Teaching set", "Print"})
        EXPECT_FALSE(editor().action(hint)->isEnabled()) << hint;
    EXPECT_FALSE(editor().menuAction("Pallet initialize")->isEnabled());

    // Teaching set off line, and while an operation shows.
    editor().teachPallet();
    screens.tcancel->show();
    editor().teachPallet();
    screens.tcancel->hide();
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Teaching control cannot be made under offline",
                                        "'Move to direct screen' cannot be executed while "
                                        "'Operating' is displayed"}));
}

TEST_F(PalletEditor, EditSaveOpenAndNewProgramming) {
    TempDir dir;
    editor().show();
    typeField("PalletNo", "7");
    EXPECT_TRUE(flagged());
    typeCell(0, 0, "10.00");
    typeCell(1, 2, "no parameter");
    typeField("YSection", "5");
    EXPECT_EQ(editor().data().fields[PalletX1], "10.00");
    EXPECT_EQ(editor().data().z2, "no parameter");
    EXPECT_EQ(editor().data().fields[PalletYPartitions], "5");

    chooser.name = QString::fromStdString(dir / "p");
    chooser.filter = PltSavePlt;
    prompter.answers = {true};
    press("Save");
    EXPECT_EQ(prompter.messages.front(),
              (Message{"ask", "Data will be saved.  OK?", "Pallet contents"}));
    EXPECT_EQ(ReadBytes(dir / "p.plt"), "7\r\n10.00\r\n\r\n\r\n\r\n\r\n\r\n\r\n2\r\n5\r\n");
    EXPECT_FALSE(flagged());

    // A short file leaves the screen exactly as it was.
    WriteBytes(dir / "short.plt", "1\r\n2\r\n");
    typeCell(2, 1, "3.5");
    const PalletData before = editor().data();
    prompter.messages.clear();
    prompter.answers = {false};
    chooser.name = QString::fromStdString(dir / "short.plt");
    press("Open");
    EXPECT_EQ(prompter.messages.back(), (Message{"notify", "File cannot be open", "Open"}));
    EXPECT_EQ(editor().data(), before);
    EXPECT_EQ(cell(2, 1), "3.5");
    EXPECT_TRUE(flagged());

    // The saved file reopens to the same screen, number included.
    prompter.answers = {false};
    chooser.name = QString::fromStdString(dir / "p.plt");
    chooser.filter = PltOpenPlt;
    press("Open");
    EXPECT_EQ(field("PalletNo")->text(), "7");
    EXPECT_EQ(cell(0, 0), "10.00");
    EXPECT_EQ(cell(1, 2), "");
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(field("YSection")->text(), "5");
    EXPECT_FALSE(flagged());

    // The editor's dialogs and the closing save's own: the same file, its filter spelt "palet";
    // the closing save leaves PalletModified set.
    EXPECT_EQ(chooser.filters, (QStringList{"MIVO pallet file(*.plt)", "ZEB data file(*.crd)",
                                            "CSV file(*.csv)", "All(*.*)"}));
    typeCell(0, 1, "1");
    chooser.name = QString::fromStdString(dir / "exit.plt");
    chooser.filter = PltSavePlt;
    prompter.messages.clear();
    EXPECT_TRUE(editor().saveFromStartScreen());
    EXPECT_EQ(chooser.filters,
              (QStringList{"MIVO palet file(*.plt)", "CSV file(*.csv)", "All(*.*)"}));
    EXPECT_EQ(ReadBytes(dir / "exit.plt"), PalletFileText(editor().data()));
    EXPECT_TRUE(flagged());
    prompter.messages.clear();
    prompter.answers = {false, true};
    press("New programming");
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Is data saved?", "Is new program written?"}));
    EXPECT_EQ(editor().data(), PalletData{});
    EXPECT_EQ(field("XSection")->text(), "2");
    EXPECT_EQ(cell(0, 0), "");
    EXPECT_FALSE(flagged());
}

class PalletEditorOnline : public PalletEditor {
  protected:
    void SetUp() override {
        PalletEditor::SetUp();
        useSimulatorAs(1);
        pressStart();
        ASSERT_TRUE(link().isOnline());
        screens.tmmain->menuAction("Pallet")->trigger();
        ASSERT_TRUE(editor().isVisible());
    }
    void expectIdle() {
        EXPECT_TRUE(editor().isEnabled());
        EXPECT_FALSE(editor().operationRunning());
        EXPECT_TRUE(editor().action("Pallet send")->isEnabled());
    }
};

TEST_F(PalletEditorOnline, SendReceiveAndInitialize) {
    typeField("PalletNo", "3");
    typeCell(0, 0, "10.00");
    typeCell(2, 2, "never sent");
    prompter.answers = {true};
    press("Pallet send");
    expectIdle();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Is pallet sending executed?",
                                                          "Pallet sending is completed"}));
    EXPECT_EQ(sim.received().front(), "@WRITE PRM 233,10.00");
    EXPECT_EQ(sim.received().size(), 9u);
    EXPECT_EQ(cell(2, 2), "");

    editor().setModified(false);
    sim.parameters.values[234] = "-4.5";
    prompter.messages.clear();
    prompter.answers = {true};
    press("Pallet receive");
    expectIdle();
    EXPECT_EQ(cell(0, 1), "-4.5");
    EXPECT_TRUE(flagged());

    editor().setModified(false);
    prompter.messages.clear();
    prompter.answers = {true};
    editor().menuAction("Pallet initialize")->trigger();
    expectIdle();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Is pallet initialize executed?",
                                                          "Initialize is completed"}));
    EXPECT_EQ(cell(0, 0), "0.00");
    EXPECT_EQ(cell(2, 1), "0.00");
    EXPECT_EQ(cell(1, 2), "");
    EXPECT_EQ(field("XSection")->text(), "1");
    EXPECT_EQ(sim.parameters.values[241], "1");
    EXPECT_FALSE(flagged());

    // Pallet 20: refused before the question.
    typeField("PalletNo", "20");
    prompter.messages.clear();
    press("Pallet send");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Pallet No. ranges from 0 to 19"}));
    expectIdle();
}

}  // namespace
}  // namespace mivo::test
