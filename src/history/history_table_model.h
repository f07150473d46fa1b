#pragma once
// The runs a history window shows, as its table: one row a run, oldest first. The values are
// made as a row is drawn, so that a hundred thousand rows cost nothing until seen. A cycle beyond
// the control limits reads with a triangle the way it strays, in bold red.
#include <QAbstractTableModel>
#include <cstdint>
#include <memory>
#include <vector>

#include "common/run_record.h"

namespace mivo {

// Runs shared between the window's whole list and its table, so that showing all of them copies
// none.
using SharedRuns = std::shared_ptr<const std::vector<RunRecord>>;

class HistoryTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Number, Start, Program, Result, Cycle, Hash, Robot, Host, ColumnCount };

    explicit HistoryTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The runs shown, and those of them (indices) whose cycle is above or below the limits.
    void setRuns(SharedRuns runs, const std::vector<std::size_t>& above,
                 const std::vector<std::size_t>& below);
    const std::vector<RunRecord>& runs() const { return *runs_; }
    // The row of the run `id`; -1 when it is not shown.
    int rowOf(std::int64_t id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The text each column is sized for.
    static QString widestText(int column);

  private:
    enum Stray : char { Within, Above, Below };
    SharedRuns runs_ = std::make_shared<const std::vector<RunRecord>>();
    std::vector<char> stray_;
};

}  // namespace mivo
