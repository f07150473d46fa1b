#pragma once
// The direct-operation screen's "Cycle time" group: the last program cycle run from the screen,
// the count, shortest, mean and longest since it opened or "Reset", and the slowest steps of the
// last cycle as the monitor saw them, which "Save step times..." writes to a file.
#include <QGroupBox>

class QLabel;
class QPushButton;
class QTableWidget;

namespace mivo {

class CycleTiming;

class CycleTimePanel : public QGroupBox {
    Q_OBJECT
  public:
    // The slowest steps listed.
    static constexpr int kSteps = 5;

    explicit CycleTimePanel(QWidget* parent = nullptr);

    // Shows what `timing` holds.
    void showTiming(const CycleTiming& timing);

  signals:
    // "Reset" clicked.
    void resetClicked();
    // "Save step times..." clicked.
    void saveStepsClicked();
    // "Run history..." clicked.
    void historyClicked();

  private:
    QLabel* last_ = nullptr;
    QLabel* statistics_ = nullptr;
    QTableWidget* steps_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* saveSteps_ = nullptr;
};

}  // namespace mivo
