#pragma once
// StepEditor: the step editor, the program's main working screen, on the shared editor frame. Shows
// the StepTable in the grid STEPGRID, runs the edit commands and the step transfers, and opens
// the command-entry dialog. Every change it makes to the table is recorded for undo.
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "print/listing.h"
#include "shell/editor_access.h"
#include "shell/editor_frame.h"
#include "steps/cycle_calibration.h"
#include "steps/path_geometry.h"
#include "steps/step_files.h"
#include "steps/step_rules.h"
#include "steps/step_table.h"
#include "steps/step_target.h"

class QAction;
class QDockWidget;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableView;
class QTimer;

namespace mivo {

class GridStepModel;
class ParameterEditorAccess;
class PathPreview;
class RunTraceWindow;
class VersionDialog;
class CommandDialog;
class ErrorRecordDialog;
struct AxisStrokes;
struct Finding;
class StepCompare;
struct ProcedureContext;
enum class Outcome;

class StepEditor : public EditorFrame, public StepEditorAccess, public PrintSource {
    Q_OBJECT
  public:
    // The listing's values, for the print dialog.
    std::vector<std::string> printValues(int first, int last) const override {
        return StepListingValues(table_, first, last);
    }
    explicit StepEditor(const EditorLinks& links, QWidget* parent = nullptr);
    // The dialogs it opens, made after it: the command entry, the initialisation question, the
    // error record and the versions.
    void setDialogs(CommandDialog* command, InitDialogAccess* init, ErrorRecordDialog* record,
                    VersionDialog* versions) {
        command_ = command;
        init_ = init;
        record_ = record;
        versions_ = versions;
    }
    ~StepEditor() override;

    // The one step table of the editor.
    StepTable& table();
    // The whole table is shown afresh (a file opened), the first step current.
    void tableReplaced();
    // Steps first..last were written from outside: the grid shows them.
    void stepsChanged(int first, int last);
    // Runs `change` on the table as one undoable step named `caption`. A ConversionError thrown by
    // it is shown (caption `caption`) and the table left as it was; false then. `movedBy`: the
    // steps an insert (> 0) or a delete (< 0) in it moves the steps after it.
    bool applyChange(const QString& caption, const std::function<void(StepTable&)>& change,
                     int movedBy = 0);
    // Empties the table as one undoable step named `caption` (the controller's programs
    // initialised; New programming).
    void emptyTable(const QString& caption) override;
    std::string controllerProgramHash(int program) const override;
    bool offerToSaveOrCancel(QWidget* dialogParent) override {
        return EditorFrame::offerToSaveOrCancel(dialogParent);
    }
    // The command-entry dialog's OK: writes the step by the write-back rules (undoable).
    bool applyStepValues(int step, const StepValues& values, const CircleFlags& flags);

    // StepModified, mirrored to the start screen's flags.
    bool stepModified() const { return modified(); }
    void setStepModified(bool on) { setModified(on); }

    // The program number shown in red after "Pgm No.  ".
    void setProgramNumber(const QString& number);
    QString programNumber() const;
    // The send/receive range boxes `jaku` (start) and `kyou` (end).
    QString rangeStart() const;
    QString rangeEnd() const;

    // The rows the edit commands work on: a single row (the current row) or a block.
    struct Selection {
        int first = 0;
        int last = 0;
        bool block = false;
    };
    Selection selection() const;

    // Command handlers, one per user command.
    void newProgramming();
    void insertSteps();
    void deleteSteps();
    void copySteps();
    void cutSteps();
    void pasteSteps();
    // Double-click on a step: opens the command-entry dialog for it.
    void openStepDialog(int step);
    // Click in the grid: all Command cells in upper case.
    void upperCaseCommands();

    // The controller commands, each run with the editor disabled and the transfer dialogs as
    // its only control. One at a time: a command given while another runs does nothing.
    void sendSteps();
    // The whole program, its empty steps left out after one "@INIT PGM".
    void quickSendSteps();
    void receiveSteps();
    void acquireProgramNo();
    // The program number query, then the initialisation dialog asks; its Yes initialises.
    void initializeSteps();
    // The program check's findings in the dock "Program check"; a click on one, or moving to
    // it with the keys, selects its step. The strokes are the parameter editor's.
    void checkProgram();
    void setParameters(const ParameterEditorAccess* parameters) { parameters_ = parameters; }
    // The findings shown, as "step N: TEXT".
    QStringList findingLines() const;
    // Display > "Path preview": the program's XY path in a dock beside the grid, following the
    // grid both ways. The pallet drawn for a pallet move is the pallet editor's.
    void showPathPreview();
    void setPalletSource(std::function<std::optional<PalletGrid>()> pallet) {
        pallet_ = std::move(pallet);
    }
    PathPreview* pathPreview() const { return preview_; }
    // The preview's dock opens as wide as it was last (remembered between runs), or at first
    // with a third of the window; it keeps its share as the window is resized. 0: no width yet.
    int pathDockWidth() const;
    void setPathDockWidth(int width) { pathDockWidth_ = width; }
    // Selects step `step` in the grid and shows it.
    void selectStep(int step);

    // The run traced from the direct screen, in a window of its own (RunTraceWindow): the
    // program drawn and listed, the robot's marker and the running step at each scan of its
    // monitor.
    void showRunTrace();
    void traceScan(const std::string& x, const std::string& y, const std::string& step);
    RunTraceWindow* runTrace() const { return trace_.get(); }

    // The cycle estimate (step_editor_estimate.cpp): "Estimated cycle: S.SS s" and where its
    // limits came from in the status bar, recomputed after every change of the table; each
    // step's time as its number's hint, a step far above the steps around it marked; Display >
    // "Cycle estimate" lists the steps in a dock, whose "Calibrate from step times..." fits the
    // estimate to a run of this program (a saved step-times file) for the parameters' robot.
    void showEstimate();
    void calibrateFromStepTimes();
    void forgetCalibration();
    QString estimateText() const;
    QStringList estimateLines() const;
    // The calibrations by robot number, as settings values (CalibrationValues).
    std::map<int, std::string> calibrations() const;
    void setCalibrations(const std::map<int, std::string>& values);

  signals:
    // The estimate was shown anew.
    void estimated();

  public:
    // Communication > "Compare with controller" and its panel.
    StepCompare& comparison() { return *compare_; }

    // The error record into ErrorRecordDialog, the controller's versions into VersionDialog.
    void showErrorRecord();
    void showVersion();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void clearCells(const QModelIndexList& cells) override;
    std::string fileContent() const override;
    bool convertFile(int filter, std::string_view content, Prompter& prompter) override;
    void fileOpened() override;
    void showProgramNumber(const std::string& number) override;

  private:
    friend class StepCompare;  // runs its operations on the editor
    CommandDialog* command_ = nullptr;
    InitDialogAccess* init_ = nullptr;
    ErrorRecordDialog* record_ = nullptr;
    VersionDialog* versions_ = nullptr;
    void buildCommands();
    void buildCentre();
    void buildPopupMenu();
    bool cellEdited(int step, int field, const QString& text);
    // The selection widened to whole circle steps, shown so in the grid.
    Selection wholeStepsSelected();
    // Shows the refusal of an edit that would part the circle pair at `pairStep` (-1: none).
    bool refusedPartingPair(int pairStep, const char* caption);
    // The table with the editor's callbacks, for the step procedures.
    StepTarget stepTarget();
    // What changed of the table since `before`, as one undoable step named `caption`.
    void recordTableChange(const QString& caption, const StepTable& before, int movedBy = 0);
    void initializeConfirmed();
    std::vector<Finding> checkFindings() const;
    // The parameter editor's strokes (unknown without it).
    AxisStrokes strokes() const;
    // The preview drawn anew from the table, when it shows.
    void refreshPreview();
    // The findings in the dock, which shows.
    void showFindings(const std::vector<Finding>& findings);
    // Findings belong to the program they were found in: when another takes its place (New,
    // Open, a receive, an initialisation) the check runs again while its dock shows, and
    // otherwise its findings go.
    void programReplaced();
    // Step `step` current and selected in the grid, in sight; the focus stays where it is.
    void showStep(int step);
    // Before a send: the check, and when it found something "Send anyway?".
    bool sendAfterCheck();
    void buildEstimate();
    void refreshEstimate();
    // The estimate's parameters (the parameter editor's values, else robot 22's initial
    // values), the robot they are of, and its limits; `calibrated`: with that robot's
    // calibration.
    std::string estimateParameter(int number) const;
    int estimateRobot() const;
    EstimateSetting estimateSetting(bool calibrated) const;

    StepTable table_;
    GridStepModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLineEdit* rangeStartEdit_ = nullptr;  // start of the send/receive range
    QLineEdit* rangeEndEdit_ = nullptr;    // end of the send/receive range
    QLabel* programNumber_ = nullptr;
    const ParameterEditorAccess* parameters_ = nullptr;
    QDockWidget* checkDock_ = nullptr;
    QListWidget* findings_ = nullptr;
    QDockWidget* pathDock_ = nullptr;
    PathPreview* preview_ = nullptr;
    std::unique_ptr<RunTraceWindow> trace_;  // a window of its own, owned by none
    int pathDockWidth_ = 0;
    std::function<std::optional<PalletGrid>()> pallet_;
    std::unique_ptr<StepCompare> compare_;
    std::unique_ptr<StepTable> before_;  // applyChange's copy of the table, kept for the next
    QTimer* estimateTimer_ = nullptr;    // one estimate after the edits of a moment
    QLabel* estimateTotal_ = nullptr;
    QDockWidget* estimateDock_ = nullptr;
    QListWidget* estimateList_ = nullptr;
    std::map<int, Calibration> calibrations_;  // by robot number
    // The controller's programs as this editor's whole sends and receives left them, by number.
    std::map<int, std::string> controllerHashes_;
    // `transfer` run with the program number it asks for watched; when it completed and was
    // `whole`, the controller holds this table as that program.
    Outcome transferWhole(ProcedureContext& ctx, bool whole,
                          const std::function<Outcome(ProcedureContext&)>& transfer);
};

}  // namespace mivo
