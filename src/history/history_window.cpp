#include "history/history_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <unordered_set>

#include "history/history_table_model.h"
#include "history/run_chart.h"
#include "history/run_history.h"
#include "history/step_bars.h"
#include "i18n/translated_texts.h"
#include "shell/text_export.h"
#include "shell/window_style.h"

namespace mivo {

namespace {

const char* const kPickRun = QT_TRANSLATE_NOOP(
    "mivo::HistoryWindow",
    "Select a run to see where its cycle goes; Ctrl+click a second one to compare the two step "
    "by step.");

QDate LocalDate(std::int64_t utcMilliseconds) {
    return QDateTime::fromMSecsSinceEpoch(utcMilliseconds).date();
}

std::optional<std::int64_t> DateBound(const QDateEdit* edit, bool endOfDay) {
    return ParseLocalDate(edit->date().toString(Qt::ISODate).toStdString(), endOfDay);
}

}  // namespace

HistoryWindow::HistoryWindow(std::filesystem::path file, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window), file_(std::move(file)), prompter_(prompter) {
    setObjectName("RunHistory");
    setWindowTitle(tr("Run history"));
    chart_ = new RunChart;
    makeTable();
    bars_ = new StepBars;
    bars_->showNote(tr(kPickRun));
    auto* barsArea = new QScrollArea;
    barsArea->setWidget(bars_);
    barsArea->setWidgetResizable(true);
    barsArea->setObjectName("HistoryStepBarsArea");
    message_ = new QLabel;
    message_->setObjectName("HistoryMessage");
    message_->setWordWrap(true);
    message_->hide();

    // The chart has the most room; the list and the steps share what is left.
    auto* lower = new QSplitter(Qt::Horizontal);
    lower->addWidget(table_);
    lower->addWidget(barsArea);
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 2);
    lower->setSizes({660, 420});
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(chart_);
    split->addWidget(lower);
    split->setStretchFactor(0, 5);
    split->setStretchFactor(1, 4);
    split->setSizes({380, 300});
    split->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeFilters());
    layout->addWidget(split, 1);
    layout->addWidget(message_);
    resize(sizeHint());

    connect(chart_, &RunChart::runClicked, this, &HistoryWindow::selectRun);
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::say(const std::string& message) {
    message_->setText(MessageText(message, SaidBytes::Utf8));
    message_->show();
}

void HistoryWindow::openHistory() {
    if (history_) return;
    history_ = std::make_unique<RunHistory>(file_, [this](const std::string& m) { say(m); });
}

void HistoryWindow::loadAll() {
    openHistory();
    all_ = std::make_shared<const std::vector<RunRecord>>(history_->runs());
    loaded_ = true;
    stale_ = false;
    // The dates offered span the runs kept, so that ticking a bound narrows from there.
    if (!all_->empty()) {
        for (QDateEdit* edit : {from_, to_}) {
            const QSignalBlocker quiet(edit);
            edit->setDate(LocalDate(edit == from_ ? all_->front().startMs : all_->back().startMs));
        }
    }
}

void HistoryWindow::readNewRuns() {
    if (!all_ || all_->empty()) {
        loadAll();
        return;
    }
    const std::int64_t since = all_->back().startMs;
    std::unordered_set<std::int64_t> known;
    for (auto r = all_->rbegin(); r != all_->rend() && r->startMs >= since; ++r)
        known.insert(r->id);
    HistoryFilter after;
    after.sinceMs = since;
    std::vector<RunRecord> fresh = history_->runs(after);
    std::erase_if(fresh, [&](const RunRecord& run) { return known.count(run.id) > 0; });
    if (fresh.empty()) return;
    // The table may share the list: a new one is made.
    auto grown = std::make_shared<std::vector<RunRecord>>();
    grown->reserve(all_->size() + fresh.size());
    grown->insert(grown->end(), all_->begin(), all_->end());
    std::move(fresh.begin(), fresh.end(), std::back_inserter(*grown));
    all_ = std::move(grown);
}

void HistoryWindow::refresh() {
    if (!loaded_ || !isVisible()) {
        stale_ = true;
        return;
    }
    readNewRuns();
    applyFilters();
}

void HistoryWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        CentreOnScreen(this);
        placed_ = true;
    }
    const bool first = !loaded_;
    if (!loaded_ || stale_) {
        if (loaded_)
            readNewRuns();
        else
            loadAll();
        stale_ = false;
        applyFilters();
    }
    // The latest run in sight and its steps shown, the first time.
    if (first && model_->rowCount() > 0) selectRun(model_->runs().back().id, false);
    QWidget::showEvent(event);
}

HistoryFilter HistoryWindow::filter() const {
    HistoryFilter f;
    if (program_->currentIndex() > 0) f.program = program_->currentIndex() - 1;
    if (result_->currentIndex() > 0)
        f.result = AllRunResults()[std::size_t(result_->currentIndex() - 1)];
    if (fromOn_->isChecked()) f.sinceMs = DateBound(from_, false);
    if (toOn_->isChecked()) f.untilMs = DateBound(to_, true);
    return f;
}

const std::vector<RunRecord>& HistoryWindow::shownRuns() const { return model_->runs(); }

void HistoryWindow::applyFilters() {
    if (!loaded_) return;
    const std::vector<std::int64_t> selected = selectedIds();
    const HistoryFilter f = filter();
    SharedRuns shown = all_;
    if (!(f == HistoryFilter{})) {
        auto taken = std::make_shared<std::vector<RunRecord>>();
        for (const RunRecord& run : *all_)
            if (Matches(f, run)) taken->push_back(run);
        shown = std::move(taken);
    }
    chart_->setRuns(*shown);
    const ControlChart& chart = chart_->chart();
    std::vector<std::size_t> above, below;
    for (std::size_t i : chart.outside)
        (chart.seconds[i] > chart.limits->mean ? above : below).push_back(chart.runs[i]);
    {
        const QSignalBlocker quiet(table_->selectionModel());
        model_->setRuns(std::move(shown), above, below);
        for (std::int64_t id : selected) {
            const int row = model_->rowOf(id);
            if (row >= 0)
                table_->selectionModel()->select(
                    model_->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    table_->viewport()->update();
    const std::size_t n = model_->runs().size();
    count_->setText(n == all_->size() ? tr("%1 runs").arg(n)
                                      : tr("%1 of %2 runs").arg(n).arg(all_->size()));
    export_->setEnabled(n > 0);
    showSelection();
}

std::vector<std::int64_t> HistoryWindow::selectedIds() const {
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<std::int64_t> ids;
    for (const QModelIndex& row : rows) ids.push_back(model_->runs()[std::size_t(row.row())].id);
    return ids;
}

void HistoryWindow::selectRun(qint64 id, bool add) {
    const int row = model_->rowOf(id);
    if (row < 0) return;
    const QModelIndex index = model_->index(row, 0);
    auto flags = QItemSelectionModel::Rows |
                 (add ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
    table_->selectionModel()->setCurrentIndex(index, flags);
    table_->scrollTo(index);
}

void HistoryWindow::showSelection() {
    const std::vector<std::int64_t> ids = selectedIds();
    const auto runOf = [this](std::int64_t id) -> const RunRecord& {
        return model_->runs()[std::size_t(model_->rowOf(id))];
    };
    if (ids.size() == 1) {
        chart_->setSelectedRun(ids[0]);
        bars_->showRun(runOf(ids[0]), history_->steps(ids[0]));
    } else if (ids.size() == 2) {
        chart_->setSelectedRun(ids[1]);
        bars_->showComparison(runOf(ids[0]), history_->steps(ids[0]), runOf(ids[1]),
                              history_->steps(ids[1]));
    } else {
        chart_->setSelectedRun(0);
        bars_->showNote(ids.empty()
                            ? tr(kPickRun)
                            : tr("Select one run to see its steps, or two to compare them."));
    }
}

void HistoryWindow::exportCsv() {
    const std::vector<RunRecord>& runs = model_->runs();
    if (runs.empty()) return;
    const TextExport how{"history.csv",
                         {tr("CSV files (*.csv)"), tr("All files (*)")},
                         ".csv",
                         QT_TRANSLATE_NOOP("Message", "Export CSV"),
                         QT_TRANSLATE_NOOP("Message", "The runs shown")};
    SaveTextFile(this, chooser_, prompter_, how, [&runs] {
        std::string text = HistoryCsvHeader();
        text.reserve(runs.size() * 120);
        for (const RunRecord& run : runs) text += HistoryCsvLine(run);
        return text;
    });
}

}  // namespace mivo
