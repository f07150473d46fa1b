// The run chart's drawing: axes, limits, program changes, the cycles and their markers.
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "common/seconds_text.h"
#include "history/run_chart.h"

namespace mivo {

namespace {

// The path preview's colours: its lines, its frame, its selection and robot marker.
const QColor kCycleColour(0x20, 0x50, 0xD0), kMeanColour(0x10, 0x90, 0x30),
    kLimitColour(0xE0, 0x80, 0x00), kOutsideColour(0xE0, 0x10, 0x10),
    kChangeColour(0x90, 0x30, 0xA0), kFrameColour(0xB0, 0xB0, 0xB0), kGridColour(0xEC, 0xEC, 0xEC),
    kSelectedColour(0x00, 0x90, 0xE0), kTextColour(0x40, 0x40, 0x40);

constexpr double kMarker = 6;  // the out-of-limit triangle's half width
const char* const kChanged = QT_TRANSLATE_NOOP("mivo::RunChart", "program changed");

// About `count` ticks between low and high at 1, 2 or 5 times a power of ten.
std::vector<double> Ticks(double low, double high, int count, double& step) {
    std::vector<double> ticks;
    const double span = high - low;
    if (!(span > 0) || count < 1) return ticks;
    const double raw = span / count, magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double r = raw / magnitude;
    step = (r < 1.5 ? 1 : r < 3 ? 2 : r < 7 ? 5 : 10) * magnitude;
    for (double v = std::ceil(low / step) * step; v <= high + step * 1e-9; v += step)
        ticks.push_back(std::abs(v) < step * 1e-9 ? 0 : v);
    return ticks;
}

QString SecondsLabel(double seconds) {
    return QString::fromStdString(SecondsText(std::llround(seconds * 1000.0)));
}

// A triangle pointing up (above the upper limit) or down, around `at`.
QPolygonF Triangle(QPointF at, bool up) {
    const double s = kMarker, d = up ? -1 : 1;
    return QPolygonF({at + QPointF(0, d * (s + 1)), at + QPointF(-s, -d * (s - 1)),
                      at + QPointF(s, -d * (s - 1))});
}
}  // namespace

void RunChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF plot = plotArea();
    drawAxes(painter, plot);
    if (chart_.seconds.empty()) {
        painter.setPen(kTextColour);
        painter.drawText(plot, Qt::AlignCenter, tr("No run with a cycle time to chart"));
        return;
    }
    painter.save();
    painter.setClipRect(plot.adjusted(-kMarker - 2, -kMarker - 2, kMarker + 2, kMarker + 2));
    drawLimits(painter, plot);
    drawChanges(painter, plot);
    drawCycles(painter, plot);
    drawMarkers(painter, plot);
    painter.restore();
}

void RunChart::drawAxes(QPainter& painter, const QRectF& plot) const {
    const QFontMetrics fm = fontMetrics();
    painter.setPen(kTextColour);
    painter.drawText(QPointF(4, fm.ascent() + 4), tr("Cycle time (s)"));
    // What the marks mean, said once above the plot.
    if (chart_.limits) {
        const std::size_t count = chart_.outside.size();
        const QString legend = count == 0   ? tr("All runs within the control limits")
                               : count == 1 ? tr("%1 run outside the control limits").arg(count)
                                            : tr("%1 runs outside the control limits").arg(count);
        const double x = plot.right() - fm.horizontalAdvance(legend);
        const double y = fm.ascent() + 4;
        if (count > 0) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(kOutsideColour);
            painter.drawPolygon(Triangle(QPointF(x - 12, y - fm.ascent() / 2.0 + 1), true));
            painter.setRenderHint(QPainter::Antialiasing, false);
        }
        painter.setPen(count > 0 ? kOutsideColour : kMeanColour);
        painter.drawText(QPointF(x, y), legend);
    } else if (chart_.seconds.size() == 1) {
        const QString note = tr("Fewer than 2 cycles: no control limits");
        painter.drawText(QPointF(plot.right() - fm.horizontalAdvance(note), fm.ascent() + 4), note);
    }

    double step = 1;
    const std::vector<double> yTicks =
        Ticks(low_, high_, std::max(2, int(plot.height() / (3.5 * fm.height()))), step);
    const int decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
    for (double v : yTicks) {
        const double y = toY(v);
        painter.setPen(kGridColour);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kFrameColour);
        painter.drawLine(QPointF(plot.left() - 4, y), QPointF(plot.left(), y));
        painter.setPen(kTextColour);
        painter.drawText(QRectF(0, y - fm.height() / 2.0, plot.left() - 6, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'f', decimals));
    }

    const std::size_t n = chart_.seconds.size();
    if (n > 0) {
        double xStep = 1;
        std::vector<double> ticks =
            Ticks(1, double(n),
                  std::max(1, int(plot.width() / (fm.horizontalAdvance("88888") * 2))), xStep);
        if (xStep < 1) {
            ticks.clear();
            for (std::size_t v = 1; v <= n; ++v) ticks.push_back(double(v));
        }
        for (double v : ticks) {
            const double x = pointAt(std::size_t(v) - 1).x();
            painter.setPen(kFrameColour);
            painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
            painter.setPen(kTextColour);
            const QString label = QString::number(std::llround(v));
            painter.drawText(QRectF(x - 40, plot.bottom() + 5, 80, fm.height()), Qt::AlignHCenter,
                             label);
        }
    }
    painter.setPen(kTextColour);
    painter.drawText(
        QRectF(plot.left(), plot.bottom() + 5 + fm.height(), plot.width(), fm.height()),
        Qt::AlignHCenter, tr("Runs shown, oldest first"));
    painter.setPen(kFrameColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
}

void RunChart::drawLimits(QPainter& painter, const QRectF& plot) const {
    if (!chart_.limits) return;
    const ControlLimits& l = *chart_.limits;
    struct Label {
        double y;
        QString text;
        QColor colour;
    };
    std::vector<Label> labels = {
        {toY(l.upper), tr("UCL %1").arg(SecondsLabel(l.upper)), kLimitColour},
        {toY(l.mean), tr("Mean %1").arg(SecondsLabel(l.mean)), kMeanColour},
        {toY(l.lower), tr("LCL %1").arg(SecondsLabel(l.lower)), kLimitColour}};
    painter.setPen(QPen(kMeanColour, 1.5));
    painter.drawLine(QPointF(plot.left(), labels[1].y), QPointF(plot.right(), labels[1].y));
    painter.setPen(QPen(kLimitColour, 1.5, Qt::DashLine));
    for (const Label* limit : {&labels[0], &labels[2]})
        painter.drawLine(QPointF(plot.left(), limit->y), QPointF(plot.right(), limit->y));

    // Beside the plot, moved apart where the limits lie close together.
    const double h = fontMetrics().height();
    for (std::size_t k = 1; k < labels.size(); ++k)
        labels[k].y = std::max(labels[k].y, labels[k - 1].y + h);
    painter.save();
    painter.setClipping(false);
    for (const Label& label : labels) {
        painter.setPen(label.colour);
        painter.drawText(QRectF(plot.right() + 6, label.y - h / 2, margins_.right(), h),
                         Qt::AlignLeft | Qt::AlignVCenter, label.text);
    }
    painter.restore();
}

void RunChart::drawChanges(QPainter& painter, const QRectF& plot) const {
    const std::size_t n = chart_.seconds.size();
    const double x0 = plot.left() + kPad,
                 dx = n <= 1 ? 0 : (plot.width() - 2 * kPad) / double(n - 1);
    const auto xAt = [&](std::size_t i) {
        return n <= 1 ? plot.center().x() : x0 + double(i) * dx;
    };
    // Changes closer together than a few pixels are one line: programs run by turns would
    // otherwise fill the plot with them.
    QList<QLineF> lines;
    for (std::size_t p : chart_.changes) {
        const double x = std::floor(p == 0   ? xAt(0) - kPad / 2
                                    : p >= n ? plot.right() - 1
                                             : (xAt(p - 1) + xAt(p)) / 2) +
                         0.5;
        if (!lines.isEmpty() && x - lines.back().x1() < 4) continue;
        lines.append(QLineF(x, plot.top(), x, plot.bottom()));
    }
    painter.setPen(QPen(kChangeColour, 1.5, Qt::DashLine));
    painter.drawLines(lines);
    // A label where there is room for it; changes close together share the first one's.
    const QFontMetrics fm = fontMetrics();
    const double labelWidth = fm.horizontalAdvance(tr(kChanged)) + 6;
    double labelsEnd = -1e9;
    painter.setPen(kChangeColour);
    for (const QLineF& line : lines) {
        const double x = line.x1();
        const double from = x + labelWidth > plot.right() ? x - labelWidth : x + 3;
        if (from < labelsEnd) continue;
        labelsEnd = from + labelWidth + 4;
        const QRectF box(from, plot.top() + 2, labelWidth - 3, fm.height());
        painter.fillRect(box, QColor(255, 255, 255, 220));
        painter.drawText(box, Qt::AlignCenter, tr(kChanged));
    }
}

void RunChart::drawCycles(QPainter& painter, const QRectF& plot) const {
    const std::size_t n = chart_.seconds.size();
    if (double(n) * 2 <= plot.width()) {
        painter.setRenderHint(QPainter::Antialiasing);
        QPolygonF line;
        line.reserve(qsizetype(n));
        for (std::size_t i = 0; i < n; ++i) line << pointAt(i);
        painter.setPen(QPen(kCycleColour, 1.5));
        painter.drawPolyline(line);
        if (double(n) * 6 <= plot.width()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kCycleColour);
            for (const QPointF& p : line) painter.drawEllipse(p, 2.5, 2.5);
        }
        return;
    }
    // More runs than pixels: each pixel column the span of its runs, joined to the next.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QList<QLineF> lines;
    lines.reserve(qsizetype(plot.width() * 2) + 4);
    const double x0 = plot.left() + kPad, dx = (plot.width() - 2 * kPad) / double(n - 1);
    const double y0 = plot.bottom(), dy = plot.height() / (high_ - low_);
    long column = -1;
    double lo = 0, hi = 0, first = 0, last = 0, previous = 0;
    bool any = false;
    const auto flush = [&] {
        if (any) lines.append(QLineF(column - 1 + 0.5, previous, column + 0.5, first));
        lines.append(QLineF(column + 0.5, lo, column + 0.5, hi + 0.01));
        previous = last;
        any = true;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const long c = long(x0 + double(i) * dx);
        const double y = y0 - (chart_.seconds[i] - low_) * dy;
        if (c != column) {
            if (column >= 0) flush();
            column = c;
            lo = hi = first = y;
        }
        lo = std::min(lo, y);
        hi = std::max(hi, y);
        last = y;
    }
    flush();
    painter.setPen(QPen(kCycleColour, 1));
    painter.drawLines(lines);
}

void RunChart::drawMarkers(QPainter& painter, const QRectF& plot) const {
    painter.setRenderHint(QPainter::Antialiasing);
    // Markers that fall on the same pixel are drawn once; every other one is drawn.
    const int w = width() + 1, h = height() + 1;
    std::vector<char> drawn(std::size_t(w) * std::size_t(h), 0);
    painter.setPen(QPen(QColor(0x60, 0x00, 0x00), 1));
    painter.setBrush(kOutsideColour);
    for (std::size_t i : chart_.outside) {
        const QPointF p = pointAt(i);
        const int px = std::clamp(int(p.x()), 0, w - 1), py = std::clamp(int(p.y()), 0, h - 1);
        char& seen = drawn[std::size_t(py) * std::size_t(w) + std::size_t(px)];
        if (seen) continue;
        seen = 1;
        painter.drawPolygon(Triangle(p, chart_.seconds[i] > chart_.limits->mean));
    }
    const auto ring = [&](std::size_t i, const QColor& colour, double radius) {
        const QPointF p = pointAt(i);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, 2));
        painter.drawEllipse(p, radius, radius);
    };
    if (selectedPoint_) {
        const QPointF p = pointAt(*selectedPoint_);
        QColor faint = kSelectedColour;
        faint.setAlpha(90);
        painter.setPen(QPen(faint, 1));
        painter.drawLine(QPointF(p.x(), plot.top()), QPointF(p.x(), plot.bottom()));
        ring(*selectedPoint_, kSelectedColour, 8);
    }
    if (hovered_ && hovered_ != selectedPoint_) ring(*hovered_, kTextColour, 6);
}

}  // namespace mivo
