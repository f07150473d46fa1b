#include "steps/grid_step_model.h"

#include <array>

#include "codepage/cp1252.h"

namespace mivo {

namespace {
const std::array<const char*, GridStepModel::kColumnCount> kHeaders = {
    "Step No.", "Command", "Operation", "X", "Y", "Z", "R", "JUMP", "Comment"};
}

GridStepModel::GridStepModel(StepTable& table, QObject* parent)
    : TextGridModel(parent), table_(table) {}

int GridStepModel::rows() const { return kStepCount; }

int GridStepModel::columns() const { return kColumnCount; }

QVariant GridStepModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int step = index.row();
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (column == 0) return QString::number(step);
        return Cp1252::decode(table_[step][column - 1]);
    }
    // The step-number column looks like the fixed title column it is.
    if (column == 0 && role == Qt::BackgroundRole) return titleBackground();
    return {};
}

QVariant GridStepModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return numberedHeader(kHeaders, section, orientation, role);
}

Qt::ItemFlags GridStepModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() > 0) f |= Qt::ItemIsEditable;
    return f;
}

bool GridStepModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == 0 || !editHandler_)
        return false;
    return editHandler_(index.row(), index.column() - 1, value.toString());
}

void GridStepModel::stepsChanged(int first, int last) {
    if (first > last) return;
    emit dataChanged(index(first, 1), index(last, kColumnCount - 1),
                     {Qt::DisplayRole, Qt::EditRole});
}

void GridStepModel::tableReplaced() {
    beginResetModel();
    endResetModel();
}

}  // namespace mivo
