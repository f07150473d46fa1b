#pragma once
// The path preview: the program's XY path drawn to scale (`BuildPath`), the axes' strokes as a
// frame, the selected step highlighted, and where the robot stands while a run is traced. The
// wheel zooms about the pointer, a drag pans, a click on a point selects its step.
#include <QPointF>
#include <QWidget>
#include <optional>

#include "steps/path_geometry.h"
#include "steps/program_check.h"

namespace mivo {

class PathPreview : public QWidget {
    Q_OBJECT
  public:
    explicit PathPreview(QWidget* parent = nullptr);

    void setPicture(PathPicture picture);
    void setStrokes(const AxisStrokes& strokes);
    void setSelectedStep(int step);
    int selectedStep() const { return selected_; }
    // The robot's marker; none hides it.
    void setRobot(std::optional<PathPoint> robot);
    std::optional<PathPoint> robot() const { return robot_; }
    // Where the widget draws a point of the plane, and the point under a widget position.
    QPointF toView(PathPoint p) const;
    PathPoint toPlane(QPointF v) const;
    QSize sizeHint() const override { return {320, 320}; }

  signals:
    void stepClicked(int step);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // The plane's box shown before zoom and pan: everything drawn and the strokes' frame.
    std::pair<PathPoint, PathPoint> extent() const;
    double scale() const;

    PathPicture picture_;
    AxisStrokes strokes_;
    int selected_ = -1;
    std::optional<PathPoint> robot_;
    double zoom_ = 1.0;
    QPointF pan_;  // in widget pixels
    std::optional<QPointF> dragFrom_;
    bool dragged_ = false;
};

}  // namespace mivo
