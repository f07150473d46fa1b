#pragma once
// The table model the editors' grids share: a flat grid of texts whose size the grid gives, with
// the helpers of grids whose first column stands for a fixed title column numbered by row
// (STEPGRID, PRMGRID).
#include <QAbstractTableModel>
#include <span>
#include <vector>

namespace mivo {

class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const final;
    int columnCount(const QModelIndex& parent = {}) const final;

  signals:
    // In the dataChanged that comes next, the rows flagged hold only what other rows of the grid
    // held before it (an insert or a delete moved them): no text there is new to its column.
    void rowsOnlyMoved(const std::vector<bool>& rows);

  protected:
    virtual int rows() const = 0;
    virtual int columns() const = 0;
    // A header of column `titles` across, shown as the translations of `context` have them, and
    // row numbers down.
    static QVariant numberedHeader(std::span<const char* const> titles, int section,
                                   Qt::Orientation orientation, int role, const char* context);
    // The background of a column that looks like the fixed title column it is.
    static QVariant titleBackground();
};

}  // namespace mivo
