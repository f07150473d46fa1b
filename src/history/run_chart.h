#pragma once
// The individuals chart of the runs shown: each cycle time (s) over the runs in their order, the
// mean and the control limits labelled, the runs beyond them marked with a larger red triangle
// (pointing the way they stray), the program's changes as dashed lines. Drawn with QPainter in
// the path preview's look; beyond one run a pixel, each pixel column is drawn as the span of its
// runs, while every run beyond the limits keeps its marker. A click selects a run.
#include <QMarginsF>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "history/control_limits.h"

namespace mivo {

class RunChart : public QWidget {
    Q_OBJECT
  public:
    explicit RunChart(QWidget* parent = nullptr);

    // The runs shown, oldest first; those with a cycle are charted.
    void setRuns(const std::vector<RunRecord>& runs);
    const ControlChart& chart() const { return chart_; }
    // The runs drawn with the out-of-limit marker, by id.
    std::vector<std::int64_t> markedRuns() const;
    // The run highlighted (0: none); a run not charted highlights nothing.
    void setSelectedRun(std::int64_t id);
    std::int64_t selectedRun() const { return selected_; }

    // Where charted point `i` is drawn, and the charted point drawn nearest `at` (within a few
    // pixels).
    QPointF pointAt(std::size_t i) const;
    std::optional<std::size_t> pointNear(QPointF at) const;

    QSize sizeHint() const override { return {760, 320}; }
    QSize minimumSizeHint() const override { return {360, 200}; }

  signals:
    // A charted run clicked; `add` when Ctrl was held: the run is added to the selection.
    void runClicked(qint64 id, bool add);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    static constexpr double kPad = 8;  // pixels between the frame and the first and last run

    void measure();
    QRectF plotArea() const;
    double toY(double seconds) const;
    void drawAxes(QPainter& painter, const QRectF& plot) const;
    void drawCycles(QPainter& painter, const QRectF& plot) const;
    void drawLimits(QPainter& painter, const QRectF& plot) const;
    void drawChanges(QPainter& painter, const QRectF& plot) const;
    void drawMarkers(QPainter& painter, const QRectF& plot) const;
    QString describe(std::size_t i) const;

    ControlChart chart_;
    std::vector<std::int64_t> ids_;     // each charted point's run
    std::vector<std::int64_t> starts_;  // and when it started
    std::vector<int> programs_;
    QMarginsF margins_;          // around the plot: tick labels, captions, the limits' labels
    double low_ = 0, high_ = 1;  // the seconds the plot spans
    std::int64_t selected_ = 0;
    std::optional<std::size_t> selectedPoint_;
    std::optional<std::size_t> hovered_;
};

}  // namespace mivo
