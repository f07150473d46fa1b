#pragma once
// Tinit: the initialisation dialog. Asks for the robot number (parameter initialisation) or
// asks whether to initialise the step program; the openers set the question.
#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;

namespace mivo {

struct Screens;

class Tinit : public QDialog {
    Q_OBJECT
  public:
    // The question that means parameter initialisation (with the list shown).
    static constexpr const char* kRobotQuestion = "Select robot No. to be initialized";

    explicit Tinit(Screens& screens, QWidget* parent = nullptr);

    // The opener sets the question and whether the robot-number list is shown.
    void setQuestion(const QString& text, bool showList);
    QString question() const;
    // Parameter mode: the question asks for the robot number; otherwise program mode.
    bool parameterMode() const;
    // The integer value of the first two characters of the chosen entry; -1 when none.
    int robotNumber() const;
    QComboBox* robotList() const { return list_; }

    // What "Yes" runs; without one, "Yes" only closes the dialog as "No" does.
    void setYesHandler(std::function<void()> handler) { yesHandler_ = std::move(handler); }

    void YesClick();
    void NoClick();
    // Hides the dialog and re-enables the screen that opened it.
    void closeToOpener();

  public slots:
    void reject() override {}

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Screens& screens_;
    QLabel* label_ = nullptr;
    QComboBox* list_ = nullptr;
    std::function<void()> yesHandler_;
};

}  // namespace mivo
