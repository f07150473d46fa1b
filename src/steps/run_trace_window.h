#pragma once
// The run traced beside the direct screen: the step editor's program drawn with the robot's
// marker where the direct screen's monitor saw it and the running step's piece highlighted, and
// the program's steps listed below it, the running step's row made current at each scan while
// "Follow run" is ticked. A window of its own that belongs to no other, so that it stays beside
// the direct screen while the step editor is hidden, placed and remembered as the others are.
#include <QWidget>

class QAbstractItemModel;
class QCheckBox;
class QTableView;

namespace mivo {

class PathPreview;
struct RunTrace;

class RunTraceWindow : public QWidget {
    Q_OBJECT
  public:
    // `steps`: the step editor's grid model, shown read-only.
    explicit RunTraceWindow(QAbstractItemModel* steps);

    PathPreview* preview() const { return preview_; }
    QTableView* steps() const { return steps_; }
    bool following() const;
    // One scan's trace: the marker moved (or hidden), the running step highlighted, and its row
    // current while following.
    void showScan(const RunTrace& trace);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Step `step`'s row current and in sight.
    void showStep(int step);

    PathPreview* preview_ = nullptr;
    QTableView* steps_ = nullptr;
    QCheckBox* follow_ = nullptr;
    bool centred_ = false;
};

}  // namespace mivo
