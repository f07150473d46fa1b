// The step editor's file commands: New programming, Open and Save with their questions.
#include <QFile>
#include <QStringList>
#include <QUndoStack>

#include "shell/file_chooser.h"
#include "procedures/prompter.h"
#include "shell/screens.h"
#include "shell/tselect.h"
#include "steps/step_files.h"
#include "steps/tmmain.h"

namespace mivo {

namespace {

const QStringList kSaveFilters = {"MIVO step file (*.stp)", "CSV file (*.csv)", "All (*.*)"};
const QStringList kOpenFilters = {"MIVO step file (*.stp)", "ZEB data file (*.crd)",
                                  "CSV file (*.csv)", "all (*.*)"};

std::string FileName(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace

bool Tmmain::runSave(QWidget* dialogParent, bool editorCall) {
    fileLines_.clear();
    QString name;
    int filter = SaveStp;
    if (!chooser().chooseSave(dialogParent, kSaveFilters, name, filter)) return false;
    if (!SaveStepFile(table_, FileName(name), filter, prompter())) return false;
    if (editorCall) setStepModified(false);
    return true;
}

void Tmmain::saveFromStartScreen() { runSave(screens_.tselect, false); }

void Tmmain::saveFile() {
    if (!prompter().ask("Data will be saved.  OK?", "Step contents")) return;
    runSave(this, true);
}

void Tmmain::openFile() {
    fileLines_.clear();
    if (stepModified_ && prompter().ask("Is step data saved?", "Step contents"))
        runSave(this, true);  // whatever its outcome, opening goes on
    QString name;
    int filter = OpenStp;
    if (!chooser().chooseOpen(this, kOpenFilters, name, filter)) return;
    const OpenOutcome outcome = OpenStepFile(table_, FileName(name), filter, prompter());
    // A file that could not be read left the table as it was, and so its modified state.
    if (outcome == OpenOutcome::NotRead) return;
    setStepModified(false);
    tableReplaced();
}

void Tmmain::newProgramming() {
    if (stepModified_ && prompter().ask("Is step data saved?", "Step contents"))
        runSave(this, true);
    if (!prompter().ask("Is new program written?", "Step contents")) return;
    applyChange("New programming", [](StepTable& t) { t.clear(); });
    setStepModified(false);
}

}  // namespace mivo
