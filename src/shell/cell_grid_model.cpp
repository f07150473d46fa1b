#include "shell/cell_grid_model.h"

#include "codepage/cp1252.h"
#include "common/prompter.h"

namespace mivo {

CellGridModel::CellGridModel(QStringList rowTitles, QStringList columnTitles, Cells cells,
                             Prompter& prompter, QObject* parent)
    : TextGridModel(parent),
      rowTitles_(std::move(rowTitles)),
      columnTitles_(std::move(columnTitles)),
      cells_(std::move(cells)),
      prompter_(prompter) {}

int CellGridModel::rows() const { return static_cast<int>(rowTitles_.size()); }

int CellGridModel::columns() const { return static_cast<int>(columnTitles_.size()); }

bool CellGridModel::editable(const QModelIndex& index) const {
    return !cells_.editable || cells_.editable(index.row(), index.column());
}

QVariant CellGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::BackgroundRole && !editable(index)) return titleBackground();
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return Cp1252::decode(cells_.text(index.row(), index.column()));
}

QVariant CellGridModel::headerData(int section, Qt::Orientation o, int role) const {
    const QStringList& titles = o == Qt::Horizontal ? columnTitles_ : rowTitles_;
    if (role != Qt::DisplayRole || section < 0 || section >= titles.size()) return {};
    return titles[section];
}

Qt::ItemFlags CellGridModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags f = TextGridModel::flags(index);
    return index.isValid() && editable(index) ? f | Qt::ItemIsEditable : f;
}

bool CellGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !editable(index)) return false;
    std::string bytes;
    QChar bad;
    if (!Cp1252::encode(value.toString(), bytes, &bad)) {
        prompter_.notify(Cp1252::encode(Cp1252::unstorableMessage(bad)), "Input");
        return false;
    }
    if (!cells_.write(index.row(), index.column(), bytes)) return false;
    emit dataChanged(index, index);
    return true;
}

void CellGridModel::replaced() {
    // The shape never changes: the current cell stays where it was.
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace mivo
