// The step editor's grid commands: selection, in-place edits, insert, delete, copy, cut-off,
// paste (and the grid's pop-up menu of them), undo and redo, and the opening of the
// command-entry dialog.
#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>
#include <memory>

#include "codepage/cp1252.h"
#include "common/convert.h"
#include "common/prompter.h"
#include "i18n/translated_texts.h"
#include "steps/command_dialog.h"
#include "steps/grid_step_model.h"
#include "steps/grid_undo.h"
#include "steps/step_edit.h"
#include "steps/step_editor.h"

namespace mivo {

// The grid's pop-up menu; its shortcuts work while the grid has the focus.
void StepEditor::buildPopupMenu() {
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto popup = [this](const char* text, const char* name, QKeySequence key,
                        void (StepEditor::*handler)()) {
        auto* a = new QAction(MenuText(text), this);
        a->setObjectName(name);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, handler);
        grid_->addAction(a);
        registerMenuAction(text, a);
    };
    popup(QT_TRANSLATE_NOOP("Menu", "Copy"), "STEPCopy", QKeySequence(Qt::CTRL | Qt::Key_C),
          &StepEditor::copySteps);
    popup(QT_TRANSLATE_NOOP("Menu", "Cut-off"), "STEPCut", QKeySequence(Qt::CTRL | Qt::Key_X),
          &StepEditor::cutSteps);
    popup(QT_TRANSLATE_NOOP("Menu", "Paste"), "STEPPaste", QKeySequence(Qt::CTRL | Qt::Key_V),
          &StepEditor::pasteSteps);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    grid_->addAction(separator);
    grid_->addAction(menuAction("Insert"));
    grid_->addAction(menuAction("Delete"));
}

StepEditor::Selection StepEditor::selection() const {
    const QModelIndex current = grid_->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    const QModelIndexList rows = grid_->selectionModel()->selectedRows();
    if (rows.size() <= 1) return {row, row, false};
    int first = kStepCount;
    int last = -1;
    for (const QModelIndex& i : rows) {
        first = std::min(first, i.row());
        last = std::max(last, i.row());
    }
    return {first, last, true};
}

bool StepEditor::applyChange(const QString& caption, const std::function<void(StepTable&)>& change,
                             int movedBy) {
    // The table as it was, in a copy kept from one change to the next: a new one would be a
    // quarter of a megabyte to allocate and fault in at every edit.
    if (!before_) before_ = std::make_unique<StepTable>();
    StepTable& before = *before_;
    before = table_;
    try {
        change(table_);
    } catch (const ConversionError& e) {
        // Bad input never leaves a half-done change behind.
        table_ = before;
        model_->stepsChanged(0, kStepCount - 1);
        prompter().notify(e.what(), caption.toStdString());
        return false;
    }
    recordTableChange(caption, before, movedBy);
    return true;
}

void StepEditor::recordTableChange(const QString& caption, const StepTable& before, int movedBy) {
    std::vector<StepRowChange> changes = DiffTables(before, table_);
    if (changes.empty()) return;
    const int first = changes.front().step;
    const int last = changes.back().step;
    // The rows that only moved are told to the grid, whose columns then need not read them.
    std::vector<bool> moved = MovedRows(before, table_, movedBy);
    pushEdit(new StepChangeCommand(caption, *model_, std::move(changes),
                                   {moved, MovedRows(table_, before, -movedBy)}));
    model_->stepsChanged(first, last, moved);
}

bool StepEditor::applyStepValues(int step, const StepValues& values, const CircleFlags& flags) {
    if (!applyChange("Command", [&](StepTable& t) { WriteStep(t, step, values, flags); }))
        return false;
    // On to the next step, for entering a program row by row (a circle takes two rows).
    int next = step + 1;
    if (values.command == "CIR")
        next = (flags.wasCircle && flags.secondRowChosen ? step : step + 1) + 1;
    const int column = std::max(grid_->currentIndex().column(), 1);
    grid_->setCurrentIndex(model_->index(std::min(next, kStepCount - 1), column));
    grid_->setFocus();
    return true;
}

void StepEditor::tableReplaced() {
    model_->tableReplaced();
    grid_->setCurrentIndex(model_->index(0, 1));
}

void StepEditor::stepsChanged(int first, int last) {
    model_->stepsChanged(std::max(first, 0), std::min(last, kStepCount - 1));
}

bool StepEditor::cellEdited(int step, int field, const QString& text) {
    std::string bytes;
    QChar bad;
    if (!Cp1252::encode(text, bytes, &bad)) {
        prompter().notify(Cp1252::encode(Cp1252::unstorableMessage(bad)),
                          QT_TRANSLATE_NOOP("Message", "Input"));
        return false;
    }
    // The column as written: the message is said in English, and shown translated.
    if (const std::string refused =
            RefusedFieldText(field, bytes, GridStepModel::fieldTitle(field));
        !refused.empty()) {
        prompter().notify(refused, QT_TRANSLATE_NOOP("Message", "Input"));
        return false;
    }
    if (table_[step][field] == bytes) return true;
    return applyChange("Edit", [&](StepTable& t) { t[step][field] = bytes; });
}

void StepEditor::upperCaseCommands() {
    if (!HasLowerCaseCommand(table_)) return;
    applyChange("Upper case", [](StepTable& t) { UpperCaseCommands(t); });
}

void StepEditor::openStepDialog(int step) {
    if (step < 0 || step >= kStepCount || !command_) return;
    // Nothing is written before OK: Cancel leaves the row as it was.
    setEnabled(false);
    command_->openStep(this, step);
}

bool StepEditor::refusedPartingPair(int pairStep, const char* caption) {
    if (pairStep < 0) return false;
    prompter().notify(PairPartedMessage(pairStep), caption);
    return true;
}

StepEditor::Selection StepEditor::wholeStepsSelected() {
    const Selection sel = selection();
    const StepSpan span = WholeCirclePairs(table_, sel.first, sel.last);
    if (span.first == sel.first && span.last == sel.last) return sel;
    // The user sees what the command takes.
    grid_->selectionModel()->select(
        QItemSelection(model_->index(span.first, 0),
                       model_->index(span.last, GridStepModel::kColumnCount - 1)),
        QItemSelectionModel::ClearAndSelect);
    return {span.first, span.last, true};
}

void StepEditor::insertSteps() {
    const Selection sel = selection();
    if (refusedPartingPair(PairPartedByInsert(table_, sel.first),
                           QT_TRANSLATE_NOOP("Message", "Insert")))
        return;
    const int count = sel.last - sel.first + 1;
    applyChange(
        "Insert", [&](StepTable& t) { InsertSteps(t, sel.first, count); }, count);
}

void StepEditor::deleteSteps() {
    const Selection sel = wholeStepsSelected();
    applyChange(
        "Delete", [&](StepTable& t) { DeleteSteps(t, sel.first, sel.last); },
        sel.first - sel.last - 1);
}

void StepEditor::copySteps() {
    const Selection sel = wholeStepsSelected();
    fileLines() = CopySteps(table_, sel.first, sel.last);
    if (!fileLines().empty())
        QGuiApplication::clipboard()->setText(Cp1252::decode(fileLines().back()));
}

void StepEditor::cutSteps() {
    copySteps();
    const Selection sel = wholeStepsSelected();
    applyChange(
        "Cut-off", [&](StepTable& t) { DeleteSteps(t, sel.first, sel.last); },
        sel.first - sel.last - 1);
}

void StepEditor::pasteSteps() {
    const Selection sel = selection();
    const PasteResult check = CheckPaste(fileLines(), sel.first, sel.last, sel.block);
    if (check == PasteResult::Nothing) return;
    if (check == PasteResult::RangeDiffers) {
        prompter().notify(
            QT_TRANSLATE_NOOP("Message", "Paste cannot be executed, because range is different"),
            QT_TRANSLATE_NOOP("Message", "Paste"));
        return;
    }
    const int parted = sel.block ? PairPartedByBlock(table_, sel.first, sel.last)
                                 : PairPartedByInsert(table_, sel.first);
    if (refusedPartingPair(parted, QT_TRANSLATE_NOOP("Message", "Paste"))) return;
    applyChange(
        "Paste", [&](StepTable& t) { PasteSteps(t, sel.first, sel.last, sel.block, fileLines()); },
        sel.block ? 0 : PasteLineCount(fileLines()));
}

void StepEditor::clearCells(const QModelIndexList&) {
    // Whole steps are selected; a circle step is cleared with both its rows.
    const Selection sel = wholeStepsSelected();
    applyChange("Clear", [&](StepTable& t) {
        for (int s = sel.first; s <= sel.last; ++s) t[s].clear();
    });
}

bool StepEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this &&
        (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate))
        estimateTimer_->start();
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        // Enter on a row opens the command-entry dialog, as a double-click does; not the Enter
        // that a cell's editor passes on when it ends an in-place edit.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && grid_->hasFocus() &&
            grid_->currentIndex().isValid()) {
            openStepDialog(grid_->currentIndex().row());
            return true;
        }
    }
    return EditorFrame::eventFilter(watched, event);
}

}  // namespace mivo
