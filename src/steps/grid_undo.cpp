#include "steps/grid_undo.h"

#include "steps/grid_step_model.h"

namespace mivo {

std::vector<StepRowChange> DiffTables(const StepTable& before, const StepTable& after) {
    std::vector<StepRowChange> changes;
    std::size_t count = 0;  // first, so that the rows are copied once
    for (int s = 0; s < kStepCount; ++s) count += before[s] == after[s] ? 0 : 1;
    changes.reserve(count);
    for (int s = 0; s < kStepCount; ++s)
        if (!(before[s] == after[s])) changes.push_back({s, before[s], after[s]});
    return changes;
}

StepChangeCommand::StepChangeCommand(const QString& text, GridStepModel& model,
                                     std::vector<StepRowChange> changes, Moved moved)
    : QUndoCommand(text), model_(model), changes_(std::move(changes)), moved_(std::move(moved)) {}

void StepChangeCommand::undo() { apply(false); }

void StepChangeCommand::redo() {
    // QUndoStack::push runs redo once; the change is in the table already.
    if (skipFirstRedo_) {
        skipFirstRedo_ = false;
        return;
    }
    apply(true);
}

void StepChangeCommand::apply(bool after) {
    if (changes_.empty()) return;
    StepTable& table = model_.table();
    for (const auto& c : changes_) table[c.step] = after ? c.after : c.before;
    model_.stepsChanged(changes_.front().step, changes_.back().step,
                        after ? moved_.byRedo : moved_.byUndo);
}

}  // namespace mivo
