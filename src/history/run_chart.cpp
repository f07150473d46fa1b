#include "history/run_chart.h"

#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "common/seconds_text.h"
#include "history/history_text.h"

namespace mivo {

namespace {

constexpr double kPick = 8;  // how near a click must come to a run

QString SecondsLabel(double seconds) {
    return QString::fromStdString(SecondsText(std::llround(seconds * 1000.0)));
}

}  // namespace

RunChart::RunChart(QWidget* parent) : QWidget(parent) {
    setObjectName("HistoryChart");
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    measure();
}

void RunChart::setRuns(const std::vector<RunRecord>& runs) {
    chart_ = ChartOfRuns(runs);
    ids_.clear();
    starts_.clear();
    programs_.clear();
    for (std::size_t i : chart_.runs) {
        ids_.push_back(runs[i].id);
        starts_.push_back(runs[i].startMs);
        programs_.push_back(runs[i].program);
    }
    double lo = 0, hi = 1;
    if (!chart_.seconds.empty()) {
        const auto [mn, mx] = std::minmax_element(chart_.seconds.begin(), chart_.seconds.end());
        lo = *mn;
        hi = *mx;
    }
    if (chart_.limits) {
        lo = std::min(lo, chart_.limits->lower);
        hi = std::max(hi, chart_.limits->upper);
    }
    const double span = hi - lo > 1e-6 ? hi - lo : std::max(0.1, hi * 0.05);
    low_ = lo - span * 0.08;
    if (low_ < 0 && lo >= 0) low_ = 0;
    high_ = hi + span * 0.08;
    hovered_.reset();
    setSelectedRun(selected_);
    update();
}

std::vector<std::int64_t> RunChart::markedRuns() const {
    std::vector<std::int64_t> ids;
    for (std::size_t i : chart_.outside) ids.push_back(ids_[i]);
    return ids;
}

void RunChart::setSelectedRun(std::int64_t id) {
    selected_ = id;
    const auto at = std::find(ids_.begin(), ids_.end(), id);
    selectedPoint_.reset();
    if (id != 0 && at != ids_.end()) selectedPoint_ = std::size_t(at - ids_.begin());
    update();
}

void RunChart::measure() {
    const QFontMetrics fm = fontMetrics();
    margins_ =
        QMarginsF(fm.horizontalAdvance("8888.88") + 12, fm.height() + 10,
                  fm.horizontalAdvance(tr("Mean %1").arg("888.88 s")) + 14, 2 * fm.height() + 10);
}

void RunChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) measure();
    QWidget::changeEvent(event);
}

// Measured once a font, not at every point: the chart asks it for each of its runs.
QRectF RunChart::plotArea() const {
    return QRectF(margins_.left(), margins_.top(),
                  std::max(10.0, width() - margins_.left() - margins_.right()),
                  std::max(10.0, height() - margins_.top() - margins_.bottom()));
}

double RunChart::toY(double seconds) const {
    const QRectF plot = plotArea();
    return plot.bottom() - (seconds - low_) / (high_ - low_) * plot.height();
}

QPointF RunChart::pointAt(std::size_t i) const {
    const QRectF plot = plotArea();
    const std::size_t n = chart_.seconds.size();
    const double x =
        n <= 1 ? plot.center().x()
               : plot.left() + kPad + double(i) * (plot.width() - 2 * kPad) / double(n - 1);
    return {x, i < n ? toY(chart_.seconds[i]) : plot.center().y()};
}

std::optional<std::size_t> RunChart::pointNear(QPointF at) const {
    const std::size_t n = chart_.seconds.size();
    if (n == 0) return std::nullopt;
    const QRectF plot = plotArea();
    const double step = n <= 1 ? 1.0 : (plot.width() - 2 * kPad) / double(n - 1);
    const double guess = n <= 1 ? 0 : (at.x() - plot.left() - kPad) / step;
    const double reach = kPick / step + 1;
    const auto from = std::size_t(std::clamp(guess - reach, 0.0, double(n - 1)));
    const auto to = std::size_t(std::clamp(guess + reach, 0.0, double(n - 1)));
    std::optional<std::size_t> best;
    double bestDistance = kPick * kPick;
    for (std::size_t i = from; i <= to; ++i) {
        const QPointF d = pointAt(i) - at;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}
QString RunChart::describe(std::size_t i) const {
    QString text = tr("Run %1, %2, %3\nCycle %4")
                       .arg(ids_[i])
                       .arg(QString::fromStdString(LocalDateTime(starts_[i])))
                       .arg(programs_[i] >= 0 ? QString("P%1").arg(programs_[i]) : "P?")
                       .arg(SecondsLabel(chart_.seconds[i]));
    if (std::binary_search(chart_.outside.begin(), chart_.outside.end(), i))
        text += chart_.seconds[i] > chart_.limits->mean ? tr(", above the upper control limit")
                                                        : tr(", below the lower control limit");
    return text;
}

void RunChart::mouseMoveEvent(QMouseEvent* event) {
    const std::optional<std::size_t> near = pointNear(event->position());
    if (near != hovered_) {
        hovered_ = near;
        update();
    }
    setCursor(near ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (near)
        QToolTip::showText(event->globalPosition().toPoint(), describe(*near), this);
    else
        QToolTip::hideText();
}

void RunChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const std::optional<std::size_t> near = pointNear(event->position());
    if (!near) return;
    const bool add = event->modifiers() & Qt::ControlModifier;
    if (!add) setSelectedRun(ids_[*near]);
    emit runClicked(ids_[*near], add);
}

void RunChart::leaveEvent(QEvent*) {
    if (!hovered_) return;
    hovered_.reset();
    update();
}

}  // namespace mivo
