#pragma once
// CommandDialog: the command-entry dialog. Edits one step of the step editor's table: filled from
// the row, the command and operation decide which boxes are shown, OK checks the shown values
// and writes the step back through the editor (undoable). Created once, shown and hidden.
#include <QDialog>
#include <functional>
#include <string>

#include "shell/teach_target.h"
#include "steps/step_rules.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mivo {

class Navigator;
class Prompter;
class TeachScreenAccess;
class StepEditor;

class CommandDialog : public QDialog {
    Q_OBJECT
  public:
    // `teach` opens the teaching screen for the step's positions; `navigator` says whether an
    // operation or teaching refuses it.
    CommandDialog(Prompter* prompter, const Navigator& navigator, TeachScreenAccess* teach,
                  QWidget* parent = nullptr);

    // Fills the dialog from step `step` of `editor`'s table and shows it (not modal; the editor
    // has disabled itself); OK writes the step back there.
    void openStep(StepEditor* editor, int step);

    int step() const { return step_; }
    const std::string& command() const { return command_; }
    const std::string& code() const { return code_; }
    CircleFlags circleFlags() const { return flags_; }
    // The values as OK writes them: texts of hidden boxes are empty (V is always taken).
    // False, with the character in `bad`, when a text has a character outside Windows-1252.
    bool values(StepValues& out, QChar* bad = nullptr) const;

    // The position boxes X, Y, Z, R, X2, Y2, X3, Y3 and which of them are shown.
    TeachPositions positions() const;
    // Taught positions into all eight boxes; they reach the step only through OK.
    void writePositions(const TeachTexts& taught);
    // "Teaching": the boxes as the teaching screen presets and writes them.
    TeachTarget& teachTarget() { return teach_; }

    void okClicked();
    void cancelClicked();
    void teachingClicked();

  public slots:
    // Escape and the title bar's close button mean Cancel.
    void reject() override;

  private:
    void build();
    void commandChosen(int index);
    void operationChosen(QComboBox* list, int index);
    void showOperationList(int commandNumber);
    void applyShown(unsigned shown);
    unsigned shownBoxes() const;
    void emptyPositions();
    void setValueCaption(const char* caption);
    void resetDialog();
    void closeDialog();
    // The message of the first check OK fails; empty when all pass.
    std::string firstFailedCheck() const;
    // The first box whose text its field cannot hold, as the message naming the box; empty
    // when every field can hold its text.
    std::string refusedBoxText(const StepValues& values) const;
    Prompter& prompter();

    Prompter* prompter_ = nullptr;
    const Navigator& navigator_;
    TeachScreenAccess* teachScreen_ = nullptr;
    StepEditor* editor_ = nullptr;  // the step editor that opened the dialog
    QComboBox* sentaku_ = nullptr;  // command list
    QComboBox* lists_[6] = {};      // the operation lists, by command number
    QLineEdit* speed_ = nullptr;    // the value box V
    QLabel* speedLabel_ = nullptr;
    QLineEdit* jumpTarget_ = nullptr;  // jump-to step
    QLabel* jumpLabel_ = nullptr;
    QLineEdit* boxes_[8] = {};  // X Y Z R X2 Y2 X3 Y3
    QLabel* boxLabels_[8] = {};
    QLineEdit* comment_ = nullptr;  // comment
    QLabel* commentLabel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* teaching_ = nullptr;

    std::string command_ = "POI";
    std::string code_ = "0";
    int step_ = 0;
    CircleFlags flags_;
    OpenerTeachTarget teach_;
};

}  // namespace mivo
