#pragma once
// Tmmain: the step editor, the program's main working screen. Shows the StepTable in the grid
// STEPGRID, runs the file and edit commands, opens the command-entry dialog and the other
// screens. Every change it makes to the table is recorded for undo.
#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "steps/step_rules.h"
#include "steps/step_table.h"

class QAction;
class QLabel;
class QLineEdit;
class QTableView;
class QUndoStack;

namespace mivo {

struct Screens;
class FileChooser;
class GridStepModel;
class LineSwitch;
class Prompter;
struct ProcedureContext;
struct StepTarget;
enum class Outcome;

class Tmmain : public QMainWindow {
    Q_OBJECT
  public:
    explicit Tmmain(Screens& screens, QWidget* parent = nullptr);
    ~Tmmain() override;

    LineSwitch* lineSwitch();
    // The save procedure with the start screen's dialog (the closing question); StepModified
    // stays as it is.
    void saveFromStartScreen();

    // Tool-bar buttons by hint ("Step send", "Initial screen move" ...) and menu items by
    // text ("Program execute" ...). nullptr when unknown.
    // Menu items of a tool-bar command trigger the button's action.
    QAction* action(const QString& hint) const;
    QAction* menuAction(const QString& text) const;

    // The one step table of the editor.
    StepTable& table();
    // The whole table was written from outside (a transfer): the grid is reset and the undo
    // history cleared, as it no longer describes the table.
    void tableReplaced();
    // Steps first..last were written from outside: the grid shows them.
    void stepsChanged(int first, int last);
    // Runs `change` on the table as one undoable step named `caption`, and sets StepModified.
    // A ConversionError thrown by it is shown (caption `caption`) and the table left as it
    // was; false then.
    bool applyChange(const QString& caption, const std::function<void(StepTable&)>& change);
    // The command-entry dialog's OK: writes the step by the write-back rules (undoable).
    bool applyStepValues(int step, const StepValues& values, const CircleFlags& flags);

    // StepModified, mirrored to the start screen's flags.
    bool stepModified() const { return stepModified_; }
    void setStepModified(bool on);

    // The program number shown in red after "Pgm No.  ".
    void setProgramNumber(const QString& number);
    QString programNumber() const;
    // The send/receive range boxes `jaku` (start) and `kyou` (end).
    QString rangeStart() const;
    QString rangeEnd() const;

    // FileLines: the lines copied by Copy and Cut-off, read by Paste.
    std::vector<std::string>& fileLines() { return fileLines_; }
    // StepLog: the hidden log of the transfers.
    std::vector<std::string>& stepLog() { return stepLog_; }

    QUndoStack& undoStack();
    QTableView* grid() const;
    // The file dialogs; nullptr gives the real ones back. Not owned.
    void setFileChooser(FileChooser* chooser);

    // The rows the edit commands work on: a single row (the current row) or a block.
    struct Selection {
        int first = 0;
        int last = 0;
        bool block = false;
    };
    Selection selection() const;

    // Command handlers, one per user command.
    void newProgramming();
    void openFile();
    void saveFile();
    void insertSteps();
    void deleteSteps();
    void copySteps();
    void cutSteps();
    void pasteSteps();
    void undo();
    void redo();
    // Double-click on a step: prepares the row and opens the command-entry dialog for it.
    void openStepDialog(int step);
    // Click in the grid: all Command cells in upper case.
    void upperCaseCommands();
    // "End", "Initial screen move", closing: back to the start screen.
    void endEditor();
    // "COM set": the COM selection, the editor disabled meanwhile.
    void comSet();
    // On line: the controller commands enabled and "COM set" disabled; off line the reverse.
    void applyOnlineState(bool online);

    // The controller commands, each run with the editor disabled and the transfer dialogs as
    // its only control. One at a time: a command given while another runs does nothing.
    void sendSteps();
    void receiveSteps();
    void acquireProgramNo();
    // The program number query, then the initialisation dialog asks; its Yes initialises.
    void initializeSteps();
    void executeOperation();
    void returnToOrigin();
    void motorFree();
    // The error record into Terror, the controller's versions into TVer.
    void showErrorRecord();
    void showVersion();
    bool operationRunning() const { return operating_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildCentre();
    QAction* makeAction(const QString& text, const char* objectName);
    void showOtherScreen(QWidget* screen, bool refusedWhileOperating);
    bool cellEdited(int step, int field, const QString& text);
    bool runSave(QWidget* dialogParent, bool editorCall);
    // Runs `body` on the main channel with the editor disabled; the editor is enabled again
    // afterwards unless `body` returns true (a dialog that re-enables it on closing is shown).
    // False when nothing ran.
    bool runOperation(const std::function<bool(ProcedureContext&)>& body);
    // The table with the editor's callbacks, for the step procedures.
    StepTarget stepTarget();
    // A procedure that needs nothing of the editor but the context.
    void runProcedure(Outcome (*procedure)(ProcedureContext&));
    void initializeConfirmed();
    Prompter& prompter();
    FileChooser& chooser();

    Screens& screens_;
    StepTable table_;
    GridStepModel* model_ = nullptr;
    QUndoStack* undo_ = nullptr;
    QTableView* grid_ = nullptr;
    LineSwitch* lineSwitch_ = nullptr;
    QLineEdit* jaku_ = nullptr;  // start of the send/receive range
    QLineEdit* kyou_ = nullptr;  // end of the send/receive range
    QLabel* programNumber_ = nullptr;
    std::map<QString, QAction*> buttons_;    // by hint
    std::map<QString, QAction*> menuItems_;  // by text
    std::vector<QAction*> onlineActions_;
    QAction* comSetAction_ = nullptr;
    bool stepModified_ = false;
    bool operating_ = false;
    std::vector<std::string> fileLines_;
    std::vector<std::string> stepLog_;
    std::unique_ptr<FileChooser> dialogChooser_;
    FileChooser* chooser_ = nullptr;
    std::unique_ptr<Prompter> silentPrompter_;
};

}  // namespace mivo
