#include "steps/grid_step_model.h"

#include <QColor>
#include <array>

#include "codepage/cp1252.h"
#include "common/seconds_text.h"

namespace mivo {

namespace {
// Shown translated; the axes' letters as they stand.
const std::array<const char*, GridStepModel::kColumnCount> kHeaders = {
    QT_TRANSLATE_NOOP("mivo::GridStepModel", "Step No."),
    QT_TRANSLATE_NOOP("mivo::GridStepModel", "Command"),
    QT_TRANSLATE_NOOP("mivo::GridStepModel", "Operation"),
    "X",
    "Y",
    "Z",
    "R",
    QT_TRANSLATE_NOOP("mivo::GridStepModel", "JUMP"),
    QT_TRANSLATE_NOOP("mivo::GridStepModel", "Comment")};
}  // namespace

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
    if (column != 0) return {};
    const auto at = static_cast<std::size_t>(step);
    const bool far = at < estimate_.far.size() && estimate_.far[at];
    // The step-number column looks like the fixed title column it is; a step far above the
    // steps around it stands out in it.
    if (role == Qt::BackgroundRole)
        return far ? QVariant(QColor(255, 190, 110)) : titleBackground();
    if (role == Qt::ToolTipRole && at < estimate_.visits.size() && estimate_.visits[at] > 0) {
        QString hint = tr("Estimated: %1")
                           .arg(QString::fromStdString(MillisecondsText(estimate_.seconds[at])));
        if (estimate_.visits[at] > 1) hint += tr(" in %1 visits").arg(estimate_.visits[at]);
        if (far) hint += tr("\nFar above the steps around it");
        return hint;
    }
    return {};
}

QVariant GridStepModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return numberedHeader(kHeaders, section, orientation, role, "mivo::GridStepModel");
}

const char* GridStepModel::fieldTitle(int field) {
    return kHeaders[static_cast<std::size_t>(field + 1)];
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

void GridStepModel::stepsChanged(int first, int last, const std::vector<bool>& moved) {
    if (first > last) return;
    if (!moved.empty()) emit rowsOnlyMoved(moved);
    emit dataChanged(index(first, 1), index(last, kColumnCount - 1),
                     {Qt::DisplayRole, Qt::EditRole});
}

bool GridStepModel::showEstimate(StepTimes times) {
    const bool marksChanged = times.far != estimate_.far;
    estimate_ = std::move(times);
    return marksChanged;
}

void GridStepModel::tableReplaced() {
    beginResetModel();
    endResetModel();
}

}  // namespace mivo
