// The step editor's cycle estimate as the user sees it: the total in the status bar after each
// edit, a step far above the steps around it marked in the grid, the steps in their dock, and a
// calibration from a run's saved step times for the parameters' robot.
#include <QPushButton>
#include <QSignalSpy>

#include "common/step_times.h"
#include "editor_fixture.h"
#include "steps/cycle_estimate.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

class EstimateFixture : public EditorFixture {
  protected:
    // The edits of `edit` made, and the estimate shown anew after them.
    void estimatedAfter(const std::function<void()>& edit) {
        QSignalSpy shown(editor, &StepEditor::estimated);
        edit();
        EXPECT_TRUE(shown.count() > 0 || shown.wait(5000));
    }
};

TEST_F(EstimateFixture, TotalAfterEachEditTheSlowStepMarkedAndACalibration) {
    // Short moves around a five-second timer.
    const char* const moves[] = {"10", "20", "30", "40", "50", "60"};
    estimatedAfter([&] {
        for (int s = 0; s < 6; ++s)
            setRow(s < 3 ? s : s + 1, {"POI", "000", moves[s], "0", "0", "0"});
        setRow(3, {"SEQ", "450"});
        setRow(7, {"END", "000"});
    });
    const EstimateSetting book;  // robot 22's values, as the parameter editor holds them
    const auto total = [](const CycleEstimate& e) { return EstimateLines(e).back(); };
    const std::string limits = "   Limits: the parameter editor's values";
    EXPECT_EQ(editor->estimateText().toStdString(), total(EstimateCycle(table(), book)) + limits);

    QAbstractItemModel* model = grid()->model();
    const auto hint = [&](int step) {
        return model->data(model->index(step, 0), Qt::ToolTipRole).toString();
    };
    const auto marked = [&](int step) {
        return model->data(model->index(step, 0), Qt::BackgroundRole) !=
               model->data(model->index(999, 0), Qt::BackgroundRole);
    };
    EXPECT_EQ(hint(3), "Estimated: 5.010 s\nFar above the steps around it");
    EXPECT_TRUE(marked(3));
    EXPECT_FALSE(marked(2));
    EXPECT_TRUE(hint(2).startsWith("Estimated: 0.")) << hint(2).toStdString();
    EXPECT_EQ(hint(8), "");  // not executed

    // An edit: estimated again, the mark gone with the slow step.
    estimatedAfter([&] { setRow(3, {"SEQ", "401"}); });
    EXPECT_FALSE(marked(3));
    EXPECT_EQ(editor->estimateText().toStdString(), total(EstimateCycle(table(), book)) + limits);
    estimatedAfter([&] { setRow(3, {"SEQ", "450"}); });

    estimatedAfter([&] { triggerMenu("Cycle estimate"); });
    const QStringList lines = editor->estimateLines();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[3], "step 3: 5.010 s   (far above the steps around it)");
    EXPECT_TRUE(lines[8].startsWith("Estimated cycle: "));

    // A robot slower to accelerate and to work than its parameters say: its run's step times
    // calibrate the estimate for robot 22, until forgotten.
    Calibration robot;
    robot.accelerationScale = {0.4, 1, 1, 1};
    robot.stepWork = 0.05;
    EstimateSetting real = book;
    real.limits = Calibrated(book.limits, robot);
    std::vector<MeasuredStep> measured;
    for (const StepEstimate& e : EstimateCycle(table(), real).steps)
        measured.push_back({e.step, e.seconds});
    TempDir dir;
    WriteBytes(dir / "run.csv", StepTimesCsv(measured));
    WriteBytes(dir / "bad.csv", "step,seconds\n3;5\n");
    auto* calibrate = editor->findChild<QPushButton*>("EstimateCalibrate");
    ASSERT_NE(calibrate, nullptr);
    chooser.name = QString::fromStdString(dir / "bad.csv");
    calibrate->click();
    EXPECT_EQ(prompter.texts().back(),
              dir / "bad.csv" + ": line 2: '3;5' is no step and its seconds");
    EXPECT_EQ(editor->calibrations().size(), 0u);
    chooser.name = QString::fromStdString(dir / "run.csv");
    calibrate->click();
    EXPECT_TRUE(prompter.texts().back().starts_with("Calibration: acceleration X 0."))
        << prompter.texts().back();
    EXPECT_TRUE(prompter.texts().back().ends_with("Remembered for robot 22."));
    EXPECT_EQ(editor->estimateText().toStdString(),
              total(EstimateCycle(table(), real)) + limits + ", calibrated for robot 22");
    editor->findChild<QPushButton*>("EstimateForget")->click();
    EXPECT_EQ(editor->estimateText().toStdString(), total(EstimateCycle(table(), book)) + limits);

    // No END: said in place of the total.
    estimatedAfter([&] {
        table()[7] = StepRow{};
        editor->stepsChanged(7, 7);
    });
    EXPECT_EQ(editor->estimateText().toStdString(),
              "Estimated cycle: - (No END is reached from step 0)" + limits);
}

}  // namespace
}  // namespace mivo::test
