#pragma once
// InitDialog: the initialisation dialog. Asks for the robot number (parameter initialisation) or
// asks whether to initialise the step program; its opener sets the question and what "Yes"
// does, and is enabled again when the dialog closes.
#include <functional>

#include "parameters/parameter_initialize.h"
#include "shell/editor_access.h"
#include "shell/opener_dialog.h"

class QComboBox;
class QLabel;

namespace mivo {

class InitDialog : public OpenerDialog, public InitDialogAccess {
    Q_OBJECT
  public:
    // The question that means parameter initialisation (with the list shown).
    static constexpr const char* kRobotQuestion = ::mivo::kRobotQuestion;

    explicit InitDialog(QWidget* parent = nullptr);

    // Shows the dialog for `opener` (disabled meanwhile by the opener) with `text` and, for
    // parameter initialisation, the robot-number list. Without a `yes` handler "Yes" only
    // closes the dialog as "No" does.
    void openFor(QWidget* opener, const QString& text, bool showList,
                 std::function<void()> yes = {}) override;
    QString question() const;
    // Parameter mode: the question asks for the robot number; otherwise program mode.
    bool parameterMode() const;
    // The integer value of the first two characters of the chosen entry; -1 when none.
    int robotNumber() const override;
    void dismiss() override { hide(); }

    void onYesClicked();
    void onNoClicked();
    // Hides the dialog and re-enables the screen that opened it.
    void closeToOpener() override;

  public slots:
    void reject() override {}

  private:
    QString question_;  // as the opener wrote it, in English
    QLabel* label_ = nullptr;
    QComboBox* list_ = nullptr;
    std::function<void()> yesHandler_;
};

}  // namespace mivo
