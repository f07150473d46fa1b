#pragma once
// The grid STEPGRID's view of the StepTable: column 0 the fixed step number, columns 1 to 8
// the eight fields. The data stay in the table; edits go to a handler (the editor), which
// checks them and records them for undo.
#include <array>
#include <functional>
#include <vector>

#include "shell/text_grid_model.h"
#include "steps/step_table.h"

namespace mivo {

class GridStepModel : public TextGridModel {
    Q_OBJECT
  public:
    static constexpr int kColumnCount = kStepFieldCount + 1;
    // The columns' widths as written, at the default font (FitColumnsToText).
    static constexpr std::array<int, kColumnCount> kWrittenWidths = {59, 80, 63, 54, 52,
                                                                     55, 49, 44, 124};

    explicit GridStepModel(StepTable& table, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // A field column's title as written (English), for the messages that name it.
    static const char* fieldTitle(int field);
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Called for an edit of a field cell; true when the edit was taken.
    using EditHandler = std::function<bool(int step, int field, const QString& text)>;
    void setEditHandler(EditHandler handler) { editHandler_ = std::move(handler); }

    // The table changed in steps first..last (one signal for the whole range); the steps
    // flagged in `moved` only moved there (rowsOnlyMoved).
    void stepsChanged(int first, int last, const std::vector<bool>& moved = {});
    // The whole table was replaced.
    void tableReplaced();

    // The cycle estimate's time of each step (summed over its visits; none for a step not
    // executed), shown as the step number's hint, and the steps far above the steps around them,
    // whose number is marked. `seconds` and `visits` hold one entry per step. True when a mark
    // changed: the views are to be repainted (no step changed, so no dataChanged).
    struct StepTimes {
        std::vector<double> seconds;
        std::vector<int> visits;
        std::vector<bool> far;
    };
    bool showEstimate(StepTimes times);

    StepTable& table() { return table_; }

  private:
    int rows() const override;
    int columns() const override;

    StepTable& table_;
    EditHandler editHandler_;
    StepTimes estimate_;
};

}  // namespace mivo
