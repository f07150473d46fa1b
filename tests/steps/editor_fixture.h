#pragma once
// The step editor and its command-entry dialog as real widgets (offscreen), with the real link,
// the shared flags and a scripted prompter; file dialogs answered through the FileChooser seam.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>
#include <ostream>

#include "link/tbuff.h"
#include "shell/modified_flags.h"
#include "shell/screens.h"
#include "steps/step_table.h"
#include "steps/tcommand.h"
#include "steps/tmmain.h"
#include "support/scripted_chooser.h"
#include "support/scripted_prompter.h"

namespace mivo {
// A step in a failure message: its eight texts.
inline void PrintTo(const StepRow& row, std::ostream* os) {
    *os << ::testing::PrintToString(row.fields);
}
}  // namespace mivo

namespace mivo::test {

class EditorFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        screens.tbuff = &link;
        screens.flags = &flags;
        screens.prompter = &prompter;
        editor = std::make_unique<Tmmain>(screens);
        screens.tmmain = editor.get();
        dialog = std::make_unique<Tcommand>(screens);
        screens.tcommand = dialog.get();
        editor->setFileChooser(&chooser);
        editor->show();
        // Shortcuts work only in the active window.
        editor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }
    void TearDown() override {
        screens.tcommand = nullptr;
        dialog.reset();
        screens.tmmain = nullptr;
        editor.reset();
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
    // ASCII is typed; other text is pasted, since key events carry ASCII only.
    void type(const char* boxName, const QString& text) {
        auto* box = child<QLineEdit>(boxName);
        box->clear();
        if (text.toLatin1() == text.toUtf8())
            QTest::keyClicks(box, text);
        else
            box->insert(text);
    }
    void pressOk() { QTest::mouseClick(child<QPushButton>("OK"), Qt::LeftButton); }

    ScriptedPrompter prompter;
    ModifiedFlags flags;
    TBuff link;
    Screens screens;
    ScriptedChooser chooser;
    std::unique_ptr<Tmmain> editor;
    std::unique_ptr<Tcommand> dialog;
};

}  // namespace mivo::test
