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

#include "link/tbuff.h"
#include "shell/modified_flags.h"
#include "shell/screens.h"
#include "steps/step_table.h"
#include "steps/tcommand.h"
#include "steps/tmmain.h"
#include "support/scripted_chooser.h"
#include "support/scripted_prompter.h"

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
    void doubleClickStep(int step) {
        const QModelIndex index = grid()->model()->index(step, 1);
        grid()->scrollTo(index);
        // As the user's double-click arrives: a click, then the double-click event.
        const QPoint at = grid()->visualRect(index).center();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, at);
    }
    // Selects steps first..last as the user would: click, then shift-click.
    void selectSteps(int first, int last) {
        const QModelIndex a = grid()->model()->index(first, 1);
        const QModelIndex b = grid()->model()->index(last, 1);
        grid()->scrollTo(a);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(a).center());
        if (last != first) {
            grid()->scrollTo(b);
            QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                              grid()->visualRect(b).center());
        }
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
        for (int i = 0; i < list->count(); ++i) {
            if (list->itemText(i).startsWith(itemStart)) {
                list->setCurrentIndex(i);
                emit list->activated(i);
                return;
            }
        }
        ADD_FAILURE() << "no item " << itemStart.toStdString() << " in " << listName;
    }
    void type(const char* boxName, const QString& text) {
        auto* box = child<QLineEdit>(boxName);
        box->clear();
        bool ascii = true;
        for (const QChar c : text) ascii = ascii && c.unicode() < 0x80;
        if (ascii)
            QTest::keyClicks(box, text);
        else
            box->insert(text);  // as pasted: key events carry ASCII only
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
