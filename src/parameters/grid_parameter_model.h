#pragma once
// The grid PRMGRID's view of the ParameterTable: the six columns of the catalogue, one row per
// parameter from 0, the column titles in the header. 44 rows normally (the title row and
// parameters 0 to 43 make the 45 of the screen), 526 in the service layout (527), where the rows
// beyond 43 show number, name and unit only. Only a named parameter's "Value" below 44 is
// edited, through a handler (the editor), which checks it.
#include <functional>

#include "parameters/parameter_table.h"
#include "shell/text_grid_model.h"

namespace mivo {

class GridParameterModel : public TextGridModel {
    Q_OBJECT
  public:
    GridParameterModel(ParameterTable& table, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Called for an edit of a value; true when it was taken.
    using EditHandler = std::function<bool(int number, const QString& text)>;
    void setEditHandler(EditHandler handler) { editHandler_ = std::move(handler); }

    // All parameters (service layout) or the editable section.
    void setServiceLayout(bool on);
    bool serviceLayout() const { return rows_ == kParameterCount; }

    // Parameters first..last changed.
    void valuesChanged(int first, int last);
    // The whole table changed.
    void tableReplaced();

  private:
    int rows() const override;
    int columns() const override;

    ParameterTable& table_;
    EditHandler editHandler_;
    int rows_ = kEditableParameterCount;
};

}  // namespace mivo
