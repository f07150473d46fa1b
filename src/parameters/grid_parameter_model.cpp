#include "parameters/grid_parameter_model.h"

#include <algorithm>

#include "codepage/cp1252.h"

namespace mivo {

namespace {

// The value and initial value exist for the editable section only; the later rows name the
// memory's other numbers.
bool HasValues(int number) { return number < kEditableParameterCount; }

}  // namespace

GridParameterModel::GridParameterModel(ParameterTable& table, QObject* parent)
    : TextGridModel(parent), table_(table) {}

int GridParameterModel::rows() const { return rows_; }

int GridParameterModel::columns() const { return kParameterColumnCount; }

QVariant GridParameterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) return {};
    const int number = index.row();
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (column >= ColInitial && !HasValues(number)) return QString();
        return Cp1252::decode(table_.cell(column, number));
    }
    // The number column looks like the fixed title column it is.
    if (column == ColNumber && role == Qt::BackgroundRole) return titleBackground();
    return {};
}

QVariant GridParameterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return numberedHeader(kParameterColumnTitles, section, orientation, role,
                          "mivo::GridParameterModel");
}

Qt::ItemFlags GridParameterModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // The reserved 3 and 5 hold nothing: a file and a transfer would drop what was typed there.
    const int number = index.row();
    if (index.column() == ColValue && HasValues(number) && ParameterHasName(number))
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridParameterModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) ||
        !editHandler_)
        return false;
    if (!editHandler_(index.row(), value.toString())) return false;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void GridParameterModel::setServiceLayout(bool on) {
    const int rows = on ? kParameterCount : kEditableParameterCount;
    if (rows == rows_) return;
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

void GridParameterModel::valuesChanged(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rows_ - 1);
    if (first > last) return;
    emit dataChanged(index(first, ColInitial), index(last, ColValue),
                     {Qt::DisplayRole, Qt::EditRole});
}

void GridParameterModel::tableReplaced() {
    if (rows_ > 0) valuesChanged(0, rows_ - 1);
}

}  // namespace mivo
