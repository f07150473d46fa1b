#pragma once
// The step editor and its command-entry dialog among the real screens (offscreen), with a
// scripted prompter; file dialogs answered through the FileChooser seam.
#include <QComboBox>
#include <QLineEdit>
#include <ostream>

#include "shell/modified_flags.h"
#include "shell/shell_fixture.h"
#include "steps/command_dialog.h"
#include "steps/step_table.h"
#include "support/scripted_chooser.h"

namespace mivo {
// A step in a failure message: its eight texts.
inline void PrintTo(const StepRow& row, std::ostream* os) {
    *os << ::testing::PrintToString(row.fields);
}
}  // namespace mivo

namespace mivo::test {

using Messages = std::vector<Message>;
using Texts = std::vector<std::string>;

class EditorFixture : public ShellFixture {
  protected:
    void SetUp() override {
        ShellFixture::SetUp();
        editor = static_cast<StepEditor*>(screens.tmmain);
        dialog = screens.tcommand;
        editor->setFileChooser(&chooser);
        screens.tselect->hide();
        editor->show();
        // Shortcuts work only in the active window.
        editor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    }

    QTableView* grid() { return editor->findChild<QTableView*>("STEPGRID"); }
    StepTable& table() { return editor->table(); }

    void setRow(int step, std::initializer_list<const char*> fields) {
        int f = 0;
        for (const char* text : fields) table()[step][f++] = text;
        editor->stepsChanged(step, step);
    }
    QPoint pointAt(int step) {
        const QModelIndex index = grid()->model()->index(step, 1);
        grid()->scrollTo(index);
        return grid()->visualRect(index).center();
    }
    // Selects steps first..last as the user would: click, then shift-click.
    void selectSteps(int first, int last) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, pointAt(first));
        if (last != first)
            QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, pointAt(last));
    }
    // As the user's double-click arrives: a click, then the double-click event.
    void doubleClickStep(int step) {
        selectSteps(step, step);
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, pointAt(step));
    }
    void triggerMenu(const char* text) {
        QAction* a = editor->menuAction(text);
        ASSERT_NE(a, nullptr) << text;
        a->trigger();
    }

    template <class T>
    T* child(const char* name) {
        T* w = dialog->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void choose(const char* listName, const QString& itemStart) {
        auto* list = child<QComboBox>(listName);
        const int i = list->findText(itemStart, Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << "no item " << itemStart.toStdString() << " in " << listName;
        list->setCurrentIndex(i);
        emit list->activated(i);
    }
    // The dialog's boxes check nothing while typed, only at OK.
    void type(const char* boxName, const QString& text) {
        child<QLineEdit>(boxName)->setText(text);
    }
    void pressOk() { QTest::mouseClick(child<QPushButton>("OK"), Qt::LeftButton); }
    // A dialog the editor opened belongs to it (kept above it), centred over it where so written.
    void expectOver(QWidget* w, bool centred = true) {
        EXPECT_EQ(w->windowHandle()->transientParent(), editor->windowHandle());
        EXPECT_TRUE(!centred || w->frameGeometry().center() == editor->frameGeometry().center());
    }

    ScriptedChooser chooser;
    StepEditor* editor = nullptr;
    CommandDialog* dialog = nullptr;
};

}  // namespace mivo::test
