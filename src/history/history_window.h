#pragma once
// "Run history": the runs kept in the history file, narrowed by program, result and dates; their
// cycle times as an individuals chart above, the runs listed below beside the steps of the one
// selected, or of two selected compared step by step; "Export CSV..." writes the runs shown.
// The window reads the history through a connection of its own, opened the first time it is
// shown; refresh() reads the runs kept since.
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "common/run_record.h"
#include "history/history_text.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;

namespace mivo {

class FileChooser;
class HistoryTableModel;
class Prompter;
class RunChart;
class RunHistory;
class StepBars;

class HistoryWindow : public QWidget {
    Q_OBJECT
  public:
    // The history kept in `file`. `prompter` asks before the export writes over a file and says
    // why one could not be written.
    HistoryWindow(std::filesystem::path file, Prompter& prompter, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // A run was kept: the runs kept since the last look are read (while the window is hidden, at
    // its next showing).
    void refresh();
    // "Export CSV...": the runs shown, as `mivo history --csv` writes them.
    void exportCsv();
    // The export's file dialog (tests); none: the system's.
    void setFileChooser(FileChooser* chooser) { chooser_ = chooser; }

    // What the filters take, as set.
    HistoryFilter filter() const;
    const std::vector<RunRecord>& shownRuns() const;
    RunChart* chart() const { return chart_; }
    StepBars* stepBars() const { return bars_; }
    QTableView* table() const { return table_; }

    QSize sizeHint() const override { return {1100, 760}; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* makeFilters();
    void makeTable();
    void openHistory();
    void loadAll();
    void readNewRuns();
    // The runs the filters take shown in the chart and the table, the selection kept.
    void applyFilters();
    // The step bars of the run selected, or of the two selected.
    void showSelection();
    void selectRun(qint64 id, bool add);
    std::vector<std::int64_t> selectedIds() const;
    void say(const std::string& message);

    std::filesystem::path file_;
    Prompter& prompter_;
    FileChooser* chooser_ = nullptr;
    std::unique_ptr<RunHistory> history_;
    std::shared_ptr<const std::vector<RunRecord>> all_;  // every run kept, oldest first
    bool loaded_ = false;
    bool stale_ = false;
    bool placed_ = false;

    QComboBox* program_ = nullptr;
    QComboBox* result_ = nullptr;
    QCheckBox* fromOn_ = nullptr;
    QCheckBox* toOn_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* export_ = nullptr;
    RunChart* chart_ = nullptr;
    HistoryTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    StepBars* bars_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace mivo
