// Times the step editor's insert and delete at step 0 of a full table and a paste of 500
// rows, each including the grid's repaint, and prints the medians (goal: below 2 ms). Then the
// cycle estimate after an edit of one cell, on a full table that runs 999 moves to its END and
// on one that goes round: from the edit to the total shown (goal: within 20 ms).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableView>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "common/prompter.h"
#include "link/controller_link.h"
#include "shell/modified_flags.h"
#include "steps/step_edit.h"
#include "steps/step_editor.h"

namespace {

class QuietPrompter : public mivo::Prompter {
  public:
    bool ask(const std::string&, const std::string&) override { return false; }
    Answer askYesNoCancel(const std::string&, const std::string&) override {
        return Answer::Cancel;
    }
    void notify(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    void showControllerError(const std::string&) override {}
};

void FillTable(mivo::StepTable& t) {
    for (int s = 0; s < mivo::kStepCount; ++s) {
        auto& row = t[s];
        if (s % 10 == 9) {
            row[mivo::FieldCommand] = "SEQ";
            row[mivo::FieldOperation] = "800";
            row[mivo::FieldJump] = std::to_string((s * 7) % 1000);
        } else {
            row[mivo::FieldCommand] = "POI";
            row[mivo::FieldOperation] = "050";
            row[mivo::FieldX] = std::to_string(s) + ".00";
            row[mivo::FieldY] = "20.00";
            row[mivo::FieldZ] = "5.00";
            row[mivo::FieldR] = "0";
            row[mivo::FieldComment] = "step comment " + std::to_string(s);
        }
    }
}

// Median of `runs` timings of `action` followed by the grid's repaint; `after` restores the
// table and is not timed.
double MedianMs(int runs, mivo::StepEditor& editor, const std::function<void()>& action,
                const std::function<void()>& after) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        action();
        editor.findChild<QTableView*>("STEPGRID")->viewport()->repaint();
        QApplication::processEvents();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        after();
        QApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QuietPrompter prompter;
    mivo::ModifiedFlags flags;
    mivo::ControllerLink link;
    mivo::EditorLinks links;
    links.link = &link;
    links.flags = &flags;
    links.prompter = &prompter;
    mivo::StepEditor editor(links);
    editor.show();
    FillTable(editor.table());
    editor.tableReplaced();
    QApplication::processEvents();

    QTableView* grid = editor.findChild<QTableView*>("STEPGRID");
    const auto atStep0 = [&] { grid->setCurrentIndex(grid->model()->index(0, 1)); };
    const int runs = 51;
    atStep0();
    const double insertMs = MedianMs(
        runs, editor, [&] { editor.insertSteps(); }, [&] { editor.undo(); });
    atStep0();
    const double deleteMs = MedianMs(
        runs, editor, [&] { editor.deleteSteps(); }, [&] { editor.undo(); });
    editor.fileLines() = mivo::CopySteps(editor.table(), 0, 499);
    atStep0();
    const double pasteMs = MedianMs(
        runs, editor, [&] { editor.pasteSteps(); }, [&] { editor.undo(); });

    // The estimate: a move's X typed over and back, each time to the total shown anew.
    const auto estimateAfterEdit = [&] {
        QAbstractItemModel* model = grid->model();
        const QModelIndex x = model->index(500, mivo::FieldX + 1);
        const QString before = model->data(x).toString();
        return MedianMs(
            runs, editor,
            [&] {
                // To the estimate shown anew, from the event loop after the edit.
                QEventLoop shown;
                QObject::connect(&editor, &mivo::StepEditor::estimated, &shown, &QEventLoop::quit);
                model->setData(x, "321.00");
                shown.exec();
            },
            [&] { model->setData(x, before); });
    };
    const double roundMs = estimateAfterEdit();
    for (int s = 0; s < mivo::kStepCount - 1; ++s)
        if (editor.table()[s][mivo::FieldCommand] == "SEQ") editor.table()[s] = editor.table()[0];
    editor.table()[mivo::kStepCount - 1] = mivo::StepRow{{"END", "000"}};
    editor.tableReplaced();
    QApplication::processEvents();
    const double endMs = estimateAfterEdit();

    std::printf("step editor, full table of 1000 steps, median of %d runs incl. grid repaint\n",
                runs);
    std::printf("  insert at step 0   %7.3f ms  (goal < 2 ms)\n", insertMs);
    std::printf("  delete at step 0   %7.3f ms  (goal < 2 ms)\n", deleteMs);
    std::printf("  paste of 500 rows  %7.3f ms  (goal < 2 ms)\n", pasteMs);
    std::printf("  estimate after an edit, 999 moves to END  %7.3f ms  (goal < 20 ms)\n", endMs);
    std::printf("  estimate after an edit, a program going round  %7.3f ms  (goal < 20 ms)\n",
                roundMs);
    std::printf("  (%s)\n", qPrintable(editor.estimateText()));
    return 0;
}
