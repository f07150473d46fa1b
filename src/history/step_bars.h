#pragma once
// Where a run's cycle goes: a horizontal bar per step (its visits summed, in the order the steps
// were first visited) with its seconds and share; or two runs compared step by step, two bars a
// step, the difference in seconds, and the steps the second run took longer over marked
// "slower". Drawn with QPainter; as tall as its rows, for a scroll area.
#include <QString>
#include <QWidget>
#include <vector>

#include "common/run_record.h"
#include "history/step_totals.h"

namespace mivo {

class StepBars : public QWidget {
    Q_OBJECT
  public:
    explicit StepBars(QWidget* parent = nullptr);

    void showRun(const RunRecord& run, const std::vector<MeasuredStep>& steps);
    void showComparison(const RunRecord& first, const std::vector<MeasuredStep>& firstSteps,
                        const RunRecord& second, const std::vector<MeasuredStep>& secondSteps);
    // No bars, `note` in their place.
    void showNote(const QString& note);

    bool comparing() const { return comparing_; }
    // The rows shown: one run's steps, or the comparison's.
    const std::vector<StepTotal>& totals() const { return totals_; }
    const std::vector<StepDifference>& differences() const { return differences_; }
    // The header lines above the bars.
    const QStringList& heading() const { return heading_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {260, 80}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int rowHeight() const;
    int headingHeight() const;
    void drawRun(QPainter& painter) const;
    void drawComparison(QPainter& painter) const;
    void relayout();

    bool comparing_ = false;
    std::vector<StepTotal> totals_;
    std::vector<StepDifference> differences_;
    QStringList heading_;
    QString note_;
};

}  // namespace mivo
