#include "history/history_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QTableView>
#include <QTest>

#include "history/history_table_model.h"
#include "history/run_chart.h"
#include "history/run_history.h"
#include "history/step_bars.h"
#include "support/scripted_chooser.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

std::int64_t At(const char* localTime) { return *ParseLocalDate(localTime, false); }

// A history of three days: program 1 in two versions with one cycle far above the others and
// its step times, program 2 without them, an error and a stop.
struct Filled {
    test::TempDir dir;
    std::filesystem::path file = dir.path() / "history.sqlite";
    std::vector<RunRecord> runs;  // as kept, with their ids
    std::int64_t slowRun = 0;     // program 1's run far above its limits

    Filled() {
        RunHistory history(file);
        const auto keep = [&](RunRecord r) {
            EXPECT_TRUE(history.record(r));
            r.steps.clear();
            runs.push_back(r);
            return r.id;
        };
        const char* const days[] = {"2026-03-10 08:00", "2026-03-11 08:00", "2026-03-12 08:00"};
        for (int i = 0; i < 24; ++i) {
            const std::int64_t start = At(days[i / 8]) + i * 60000;
            const std::int64_t cycle = i == 18 ? 15000 : 12300 + (i % 5) * 20;
            const std::vector<MeasuredStep> steps{
                {0, 0.4}, {1, 5.0}, {2, i == 18 ? 8.6 : 6.0}, {1, 0.9}};
            const std::string hash = i < 12 ? "p1-first-version" : "p1-second-version";
            const std::int64_t id = keep({0, start, start + cycle, 1, RunResult::End, "", cycle,
                                          steps, hash, 22, "", "mivo-editor"});
            if (i == 18) slowRun = id;
        }
        for (int i = 0; i < 6; ++i) {
            const std::int64_t start = At(days[1]) + 30 * 60000 + i * 60000, cycle = 8000 + i * 10;
            keep({0, start, start + cycle, 2, RunResult::End, "", cycle, {}, "p2", -1, "", "mivo"});
        }
        const std::int64_t error = At(days[2]) + 40 * 60000, stop = At(days[0]) + 50 * 60000;
        keep({0, error, error + 3000, 1, RunResult::Error, "12", {}, {}, "", -1, "", ""});
        keep({0, stop, stop + 1000, 2, RunResult::Stop, "", {}, {}, "", -1, "", ""});
        std::sort(runs.begin(), runs.end(),
                  [](const RunRecord& a, const RunRecord& b) { return a.startMs < b.startMs; });
    }

    std::vector<std::int64_t> ids(const std::function<bool(const RunRecord&)>& take) const {
        std::vector<std::int64_t> out;
        for (const RunRecord& r : runs)
            if (take(r)) out.push_back(r.id);
        return out;
    }
};

std::vector<std::int64_t> ShownIds(const HistoryWindow& window) {
    std::vector<std::int64_t> ids;
    for (const RunRecord& r : window.shownRuns()) ids.push_back(r.id);
    return ids;
}

int RowOf(const HistoryWindow& window, std::int64_t id) {
    return static_cast<const HistoryTableModel*>(window.table()->model())->rowOf(id);
}

// Each filter narrows the table and the chart to the runs it takes; a run kept later comes in
// on refresh.
TEST(HistoryWindow, FiltersNarrowTheRowsTheChartMarksTheRunsBeyondItsLimits) {
    Filled h;
    test::ScriptedPrompter prompter;
    HistoryWindow window(h.file, prompter);
    window.show();
    auto* program = window.findChild<QComboBox*>("HistoryProgram");
    auto* result = window.findChild<QComboBox*>("HistoryResult");
    auto* fromOn = window.findChild<QCheckBox*>("HistoryFromOn");
    auto* toOn = window.findChild<QCheckBox*>("HistoryToOn");
    auto* from = window.findChild<QDateEdit*>("HistoryFrom");
    auto* to = window.findChild<QDateEdit*>("HistoryTo");
    ASSERT_TRUE(program && result && fromOn && toOn && from && to);
    EXPECT_EQ(ShownIds(window), h.ids([](const RunRecord&) { return true; }));

    const auto day = [](const RunRecord& r, const char* d) {
        return r.startMs >= At(d) && r.startMs < At(d) + 24 * 3600 * 1000;
    };
    struct Case {
        const char* name;
        int program, result;  // combo rows: 0 "All"
        const char *from, *to;
        std::function<bool(const RunRecord&)> take;
    };
    const Case cases[] = {
        {"program 2", 3, 0, nullptr, nullptr, [](const RunRecord& r) { return r.program == 2; }},
        {"errors", 0, 2, nullptr, nullptr,
         [](const RunRecord& r) { return r.result == RunResult::Error; }},
        {"from the second day", 0, 0, "2026-03-11", nullptr,
         [&](const RunRecord& r) { return !day(r, "2026-03-10 00:00"); }},
        {"up to the second day, whole", 0, 0, nullptr, "2026-03-11",
         [&](const RunRecord& r) { return !day(r, "2026-03-12 00:00"); }},
        {"program 1 ended, on the second day", 2, 1, "2026-03-11", "2026-03-11",
         [&](const RunRecord& r) {
             return r.program == 1 && r.result == RunResult::End && day(r, "2026-03-11 00:00");
         }},
        {"program 5: none", 6, 0, nullptr, nullptr, [](const RunRecord&) { return false; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program->setCurrentIndex(c.program);
        result->setCurrentIndex(c.result);
        if (c.from) from->setDate(QDate::fromString(c.from, Qt::ISODate));
        if (c.to) to->setDate(QDate::fromString(c.to, Qt::ISODate));
        fromOn->setChecked(c.from != nullptr);
        toOn->setChecked(c.to != nullptr);
        EXPECT_EQ(ShownIds(window), h.ids(c.take));
        EXPECT_EQ(window.chart()->chart().runs.size(),
                  h.ids([&](const RunRecord& r) { return c.take(r) && r.cycleMs; }).size());
    }

    // Program 1 alone: its one slow cycle is the one run marked, in the chart and the table.
    fromOn->setChecked(false);
    toOn->setChecked(false);
    result->setCurrentIndex(0);
    program->setCurrentIndex(2);
    EXPECT_EQ(window.chart()->markedRuns(), std::vector<std::int64_t>{h.slowRun});
    const QAbstractItemModel* model = window.table()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString cycle = model->index(row, HistoryTableModel::Cycle).data().toString();
        EXPECT_EQ(cycle.endsWith(QString::fromUtf8("\u25b2")),
                  window.shownRuns()[std::size_t(row)].id == h.slowRun)
            << cycle.toStdString();
    }

    const std::int64_t at = At("2026-03-12 18:00");
    RunRecord later{0, at, at + 12345, 1, RunResult::End, "", 12345, {}, "", -1, "", ""};
    {
        RunHistory writer(h.file);
        ASSERT_TRUE(writer.record(later));
    }
    window.refresh();
    ASSERT_FALSE(window.shownRuns().empty());
    EXPECT_EQ(window.shownRuns().back().id, later.id);
    EXPECT_EQ(window.shownRuns().size(), 26u);
    EXPECT_TRUE(prompter.messages.empty());
}

// The latest run's steps show at first; a run clicked in the chart is selected in the table and
// its steps shown; Ctrl+click on another compares the two, the earlier first.
TEST(HistoryWindow, SelectingARunShowsItsStepsTwoAreComparedStepByStep) {
    Filled h;
    test::ScriptedPrompter prompter;
    HistoryWindow window(h.file, prompter);
    window.show();
    StepBars* bars = window.stepBars();
    EXPECT_FALSE(bars->comparing());
    EXPECT_TRUE(bars->totals().empty());  // the latest run, the error, has no step times
    ASSERT_EQ(bars->heading().size(), 1);
    EXPECT_TRUE(bars->heading()[0].startsWith(QString("Run %1,").arg(h.runs.back().id)));

    window.findChild<QComboBox*>("HistoryProgram")->setCurrentIndex(2);
    RunChart* chart = window.chart();
    const auto point = [&](std::int64_t id) {
        const auto& runs = chart->chart().runs;
        for (std::size_t i = 0; i < runs.size(); ++i)
            if (window.shownRuns()[runs[i]].id == id) return chart->pointAt(i).toPoint();
        ADD_FAILURE() << "run " << id << " not charted";
        return QPoint();
    };
    QTest::mouseClick(chart, Qt::LeftButton, {}, point(h.slowRun));
    EXPECT_EQ(window.table()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(window.table()->currentIndex().row(), RowOf(window, h.slowRun));
    EXPECT_EQ(chart->selectedRun(), h.slowRun);
    // Its own steps: step 2 took 8.6 s in this run alone (the sums are StepTotals' own test's).
    ASSERT_EQ(bars->totals().size(), 3u);
    EXPECT_NEAR(bars->totals()[2].seconds, 8.6, 1e-9);

    const std::int64_t before = window.shownRuns()[std::size_t(RowOf(window, h.slowRun) - 1)].id;
    QTest::mouseClick(chart, Qt::LeftButton, Qt::ControlModifier, point(before));
    EXPECT_EQ(window.table()->selectionModel()->selectedRows().size(), 2);
    ASSERT_TRUE(bars->comparing());
    EXPECT_TRUE(bars->heading()[0].startsWith(QString("Run %1,").arg(before)));
    EXPECT_TRUE(bars->heading()[1].startsWith(QString("Run %1,").arg(h.slowRun)));
    std::vector<int> slower;
    for (const StepDifference& d : bars->differences())
        if (d.slower) slower.push_back(d.step);
    EXPECT_EQ(slower, std::vector<int>{2});
}

// "Export CSV..." writes exactly the runs shown; a file of that name is written over only when
// the user says so; a write that fails says why and leaves the file as it was.
TEST(HistoryWindow, ExportWritesTheCsvOfTheRunsShown) {
    Filled h;
    test::ScriptedPrompter prompter;
    test::ScriptedChooser chooser;
    HistoryWindow window(h.file, prompter);
    window.setFileChooser(&chooser);
    window.show();
    window.findChild<QComboBox*>("HistoryProgram")->setCurrentIndex(3);
    const auto csvOf = [&](const std::function<bool(const RunRecord&)>& take) {
        std::string text = HistoryCsvHeader();
        for (const RunRecord& r : h.runs)
            if (take(r)) text += HistoryCsvLine(r);
        return text;
    };
    const std::string program2 = csvOf([](const RunRecord& r) { return r.program == 2; });

    chooser.name = QString::fromStdString(h.dir / "runs");  // the extension is added
    QTest::mouseClick(window.findChild<QWidget*>("HistoryExport"), Qt::LeftButton);
    const std::string path = h.dir / "runs.csv";
    EXPECT_EQ(test::ReadBytes(path), program2);
    EXPECT_EQ(chooser.offered, "history.csv");
    EXPECT_TRUE(prompter.messages.empty());

    window.findChild<QComboBox*>("HistoryResult")->setCurrentIndex(3);  // STOP
    prompter.answers = {false};
    window.exportCsv();
    EXPECT_EQ(test::ReadBytes(path), program2);
    prompter.answers = {true};
    window.exportCsv();
    EXPECT_EQ(test::ReadBytes(path), csvOf([](const RunRecord& r) {
                  return r.program == 2 && r.result == RunResult::Stop;
              }));
    EXPECT_EQ(prompter.texts("ask"),
              std::vector<std::string>(2, "File of the same name exists.  Overwrite?"));

    const std::string nowhere = h.dir / "no-such-folder/runs.csv";
    chooser.name = QString::fromStdString(nowhere);
    window.exportCsv();
    ASSERT_EQ(prompter.texts("notify").size(), 1u);
    EXPECT_TRUE(prompter.texts("notify")[0].starts_with("The runs shown could not be saved to " +
                                                        nowhere + ": "))
        << prompter.texts("notify")[0];
}

}  // namespace
}  // namespace mivo
