#pragma once
// Undo and redo of the step editor's changes: each change keeps the rows it changed, before
// and after, so a change of one cell costs one row and an insert at step 0 a thousand.
#include <QUndoCommand>
#include <vector>

#include "steps/step_table.h"

namespace mivo {

class GridStepModel;

struct StepRowChange {
    int step = 0;
    StepRow before;
    StepRow after;
};

// The rows in which the two tables differ, in step order.
std::vector<StepRowChange> DiffTables(const StepTable& before, const StepTable& after);

class StepChangeCommand : public QUndoCommand {
  public:
    // The change is already in the table when the command is pushed.
    // `moved`: the rows the change only moved, and those its undo only moves (MovedRows).
    struct Moved {
        std::vector<bool> byRedo;
        std::vector<bool> byUndo;
    };
    StepChangeCommand(const QString& text, GridStepModel& model, std::vector<StepRowChange> changes,
                      Moved moved = {});

    void undo() override;
    void redo() override;

  private:
    void apply(bool after);

    GridStepModel& model_;
    std::vector<StepRowChange> changes_;
    Moved moved_;
    bool skipFirstRedo_ = true;
};

}  // namespace mivo
