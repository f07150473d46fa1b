#include "steps/path_preview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace mivo {

namespace {

constexpr double kMargin = 16;  // pixels around the extent
const QColor kMoveColour(0x80, 0x80, 0x80), kLinearColour(0x20, 0x50, 0xD0),
    kArcColour(0x10, 0x90, 0x30), kPalletColour(0xE0, 0x80, 0x00), kJumpColour(0x90, 0x30, 0xA0),
    kSelectedColour(0xE0, 0x10, 0x10), kFrameColour(0xB0, 0xB0, 0xB0),
    kRobotColour(0x00, 0x90, 0xE0);

}  // namespace

PathPreview::PathPreview(QWidget* parent) : QWidget(parent) {
    setObjectName("PathPreview");
    setMouseTracking(false);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void PathPreview::setPicture(PathPicture picture) {
    picture_ = std::move(picture);
    update();
}

void PathPreview::setStrokes(const AxisStrokes& strokes) {
    strokes_ = strokes;
    update();
}

void PathPreview::setSelectedStep(int step) {
    if (selected_ == step) return;
    selected_ = step;
    update();
}

void PathPreview::setRobot(std::optional<PathPoint> robot) {
    robot_ = robot;
    update();
}

std::pair<PathPoint, PathPoint> PathPreview::extent() const {
    PathPoint low{0, 0}, high{0, 0};
    if (picture_.bounds) std::tie(low, high) = *picture_.bounds;
    // The robot stays in sight, also off the program's path.
    if (robot_) {
        low = {std::min(low.x, robot_->x), std::min(low.y, robot_->y)};
        high = {std::max(high.x, robot_->x), std::max(high.y, robot_->y)};
    }
    if (strokes_.known) {
        low = {std::min(low.x, strokes_.low[0]), std::min(low.y, strokes_.low[1])};
        high = {std::max(high.x, strokes_.high[0]), std::max(high.y, strokes_.high[1])};
    }
    if (high.x - low.x < 1) high.x = low.x + 1;
    if (high.y - low.y < 1) high.y = low.y + 1;
    return {low, high};
}

double PathPreview::scale() const {
    const auto [low, high] = extent();
    const double w = std::max(1.0, width() - 2 * kMargin),
                 h = std::max(1.0, height() - 2 * kMargin);
    return std::min(w / (high.x - low.x), h / (high.y - low.y)) * zoom_;
}

// The plane's Y grows upwards; the extent is centred, then panned.
QPointF PathPreview::toView(PathPoint p) const {
    const auto [low, high] = extent();
    const double s = scale();
    const QPointF centre(width() / 2.0, height() / 2.0);
    return centre + pan_ +
           QPointF((p.x - (low.x + high.x) / 2) * s, -(p.y - (low.y + high.y) / 2) * s);
}

PathPoint PathPreview::toPlane(QPointF v) const {
    const auto [low, high] = extent();
    const double s = scale();
    const QPointF d = v - QPointF(width() / 2.0, height() / 2.0) - pan_;
    return {d.x() / s + (low.x + high.x) / 2, -d.y() / s + (low.y + high.y) / 2};
}

void PathPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto pen = [&](const QColor& colour, int step, Qt::PenStyle style = Qt::SolidLine) {
        const bool selected = step == selected_;
        painter.setPen(QPen(selected ? kSelectedColour : colour, selected ? 3 : 1.5, style));
    };
    if (strokes_.known) {
        painter.setPen(QPen(kFrameColour, 1, Qt::DashLine));
        painter.drawRect(QRectF(toView({strokes_.low[0], strokes_.high[1]}),
                                toView({strokes_.high[0], strokes_.low[1]})));
    }
    for (const PathMove& m : picture_.moves) {
        pen(m.linear ? kLinearColour : kMoveColour, m.step, m.linear ? Qt::SolidLine : Qt::DotLine);
        painter.drawLine(toView(m.from), toView(m.to));
    }
    const double s = scale();
    for (const PathArc& a : picture_.arcs) {
        pen(kArcColour, a.step);
        const QPointF c = toView(a.centre);
        const QRectF box(c.x() - a.radius * s, c.y() - a.radius * s, 2 * a.radius * s,
                         2 * a.radius * s);
        QPainterPath path(toView(a.start));
        path.arcTo(box, a.startDegrees, a.spanDegrees);
        painter.drawPath(path);
    }
    for (const PathJump& j : picture_.jumps) {
        pen(kJumpColour, j.step, Qt::DashLine);
        const QPointF from = toView(j.from), to = toView(j.to);
        // A jump to where it stands is a small loop, so that it is seen.
        if (QLineF(from, to).length() < 4) {
            painter.drawEllipse(from + QPointF(6, -6), 6, 6);
            continue;
        }
        painter.drawLine(from, to);
        const QLineF back(to, from);
        for (const double turn : {25.0, -25.0}) {
            QLineF head = back;
            head.setLength(9);
            head.setAngle(back.angle() + turn);
            painter.drawLine(head);
        }
    }
    for (const PathMark& m : picture_.palletPoints) {
        pen(kPalletColour, m.step);
        const QPointF v = toView(m.at);
        painter.drawLine(v + QPointF(-4, -4), v + QPointF(4, 4));
        painter.drawLine(v + QPointF(-4, 4), v + QPointF(4, -4));
    }
    for (const PathMark& m : picture_.points) {
        const bool selected = m.step == selected_;
        painter.setPen(Qt::NoPen);
        painter.setBrush(selected ? kSelectedColour : Qt::black);
        painter.drawEllipse(toView(m.at), selected ? 5 : 3, selected ? 5 : 3);
        painter.setPen(selected ? kSelectedColour : Qt::darkGray);
        painter.drawText(toView(m.at) + QPointF(6, -4), QString::number(m.step));
    }
    if (robot_) {
        const QPointF v = toView(*robot_);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(kRobotColour);
        painter.drawEllipse(v, 7, 7);
        for (const QPointF d : {QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0), QPointF(0, -1)})
            painter.drawLine(v + 7 * d, v + 12 * d);
    }
}

void PathPreview::wheelEvent(QWheelEvent* event) {
    const QPointF at = event->position();
    const PathPoint fixed = toPlane(at);
    zoom_ = std::clamp(zoom_ * std::pow(1.0015, event->angleDelta().y()), 0.1, 200.0);
    pan_ += at - toView(fixed);  // the point under the pointer stays there
    update();
}

void PathPreview::mousePressEvent(QMouseEvent* event) {
    dragFrom_ = event->position();
    dragged_ = false;
}

void PathPreview::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_) return;
    const QPointF d = event->position() - *dragFrom_;
    if (!dragged_ && d.manhattanLength() < 4) return;
    dragged_ = true;
    pan_ += d;
    dragFrom_ = event->position();
    update();
}

void PathPreview::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = dragFrom_ && !dragged_;
    dragFrom_.reset();
    if (!click) return;
    const int step = StepNear(picture_, toPlane(event->position()), 8 / scale());
    if (step >= 0) {
        setSelectedStep(step);
        emit stepClicked(step);
    }
}

}  // namespace mivo
